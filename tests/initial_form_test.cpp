// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill_fixture.h"
#include "model/initial_form.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <variant>

namespace molen {
namespace {

using namespace testing_support;

std::pair<double, double> circleCentre(const Shape& shape) {
    return {shape.Left + shape.Width / 2.0, shape.Top + shape.Height / 2.0};
}

double circleDiameter(const Shape& shape) { return std::min(shape.Width, shape.Height); }

void expectCircle(const Shape& shape, std::pair<double, double> centre, double diameter) {
    EXPECT_EQ(shape.Shape, ShapeKind::Circle);
    EXPECT_EQ(circleCentre(shape), centre);
    EXPECT_EQ(circleDiameter(shape), diameter);
}

double length(const Line& line) { return std::hypot(line.X2 - line.X1, line.Y2 - line.Y1); }

// Lines that start at one centre and all have the same length, like sails or radius lines.
void expectSpokes(const FormModel& form, std::initializer_list<const char*> names, float x, float y,
                  double expectedLength) {
    for (const char* name : names) {
        EXPECT_EQ(line(form, name).X1, x) << name;
        EXPECT_EQ(line(form, name).Y1, y) << name;
        EXPECT_EQ(length(line(form, name)), expectedLength) << name;
    }
}

TEST(InitialForm, HoldsFortyEightDistinctControls) {
    const FormModel form = InitialForm();
    ASSERT_EQ(form.controls().size(), 48u);
    std::set<std::pair<std::string, int>> seen;
    for (const Control& control : form.controls())
        EXPECT_TRUE(seen.emplace(control.Name, control.Index.value_or(-1)).second) << control.Name;
}

TEST(InitialForm, WindowIsTheMillersWindow) {
    const FormModel form = InitialForm();
    const FormProperties& window = form.form();
    EXPECT_EQ(window.Caption, "  ZAVELTOP SOFTWARE");
    EXPECT_EQ(window.ClientWidth, 10875);
    EXPECT_EQ(window.ClientHeight, 8595);
    EXPECT_EQ(window.Width, window.ClientWidth + 2 * 60);
    EXPECT_EQ(window.BackColor, Colour::of(SystemColour::ButtonFace));
    EXPECT_EQ(window.Font, (Font{"MS Sans Serif", 8.25f, 400}));
}

TEST(InitialForm, Label3IsAnArrayOfFourEndMarks) {
    const FormModel form = InitialForm();
    std::set<std::pair<float, float>> places;
    for (std::int16_t index = 0; index < 4; ++index) {
        const Label& mark = form.get<Label>("Label3", index);
        places.emplace(mark.Left, mark.Top);
        EXPECT_EQ(mark.Caption, (index == 0 || index == 3) ? "-" : "+") << "low ends are minus";
        EXPECT_EQ(mark.Font.Weight, 700);
    }
    EXPECT_EQ(places.size(), 4u);
    EXPECT_THROW(form.find("Label3", 4), std::out_of_range);
    EXPECT_THROW(form.find("Label3"), std::out_of_range);
}

TEST(InitialForm, HubSitsOverTheSailsInnerEnds) {
    const FormModel form = InitialForm();
    expectCircle(form.get<Shape>("Shape1"), {4987.5, 3607.5}, 495);
    expectSpokes(form, {"Line1", "Line2", "Line3", "Line4"}, 5000, 3600, 1600);
    for (const char* sail : {"Line1", "Line2", "Line3", "Line4"})
        EXPECT_EQ(line(form, sail).BorderWidth, 15);
}

TEST(InitialForm, StoneDiscHasTheRadiusOfItsLines) {
    const FormModel form = InitialForm();
    expectCircle(form.get<Shape>("Shape2"), {1617.5, 3400}, 1600);
    expectSpokes(form, {"Line6", "Line7"}, 1600, 3400, 800);
}

TEST(InitialForm, StoneCentreLineIsDotted) {
    const FormModel form = InitialForm();
    EXPECT_EQ(form.get<Line>("Line8").BorderStyle, BorderStyle::Dot);
    EXPECT_EQ(form.get<Line>("Line6").BorderStyle, BorderStyle::Solid);
}

// What the ticks draw at a given angle is where the initial form has the lines already.
TEST(InitialForm, SailsStandWhereTheSailTickDrawsAngleZero) {
    FormModel form = runningForm();
    const FormModel initial = InitialForm();
    setText(form, "Text1", "0");
    Timer1_Timer(form);
    for (const char* sail : {"Line1", "Line2", "Line3", "Line4"})
        EXPECT_EQ(line(form, sail), line(initial, sail)) << sail;
}

TEST(InitialForm, RadiusLinesStandWhereTheStoneTickDrawsAHalfTurn) {
    FormModel form = runningForm();
    const FormModel initial = InitialForm();
    Timer1_Timer(form);
    setText(form, "Text6", "180");
    Timer2_Timer(form);
    for (const char* radius : {"Line6", "Line7"})
        EXPECT_EQ(line(form, radius), line(initial, radius)) << radius;
}

int position(const FormModel& form, std::string_view name) {
    return static_cast<int>(form.find(name));
}

TEST(InitialForm, StacksTheDrawingFrontToBack) {
    const FormModel form = InitialForm();
    for (const char* over : {"Line6", "Line7", "Line8"})
        EXPECT_LT(position(form, over), position(form, "Shape2")) << over;
    for (const char* sail : {"Line1", "Line2", "Line3", "Line4"}) {
        EXPECT_LT(position(form, "Shape1"), position(form, sail));
        for (const char* body : {"Line9", "Line10", "Line11"})
            EXPECT_LT(position(form, body), position(form, sail));
        EXPECT_LT(position(form, sail), position(form, "Label6"));
    }
}

std::optional<std::int16_t> tabIndexOfFocusable(const ControlData& data) {
    if (const auto* field = std::get_if<TextBox>(&data))
        return field->Visible ? std::optional(field->TabIndex) : std::nullopt;
    if (const auto* bar = std::get_if<ScrollBar>(&data))
        return bar->TabIndex;
    if (const auto* button = std::get_if<CommandButton>(&data))
        return button->TabIndex;
    return std::nullopt;
}

TEST(InitialForm, FocusMovesThroughTheVisibleControlsInTabOrder) {
    const FormModel form = InitialForm();
    std::vector<std::pair<std::int16_t, std::string>> focusable;
    for (const Control& control : form.controls()) {
        if (auto tabIndex = tabIndexOfFocusable(control.data))
            focusable.emplace_back(*tabIndex, control.Name);
    }
    std::sort(focusable.begin(), focusable.end());
    std::vector<std::string> order;
    for (const auto& entry : focusable)
        order.push_back(entry.second);
    EXPECT_EQ(order, (std::vector<std::string>{"Command1", "Text2", "VScroll1", "Text4", "HScroll1",
                                               "Text8", "HScroll2"}));
}

TEST(InitialForm, StartsRunningWithEmptyFieldsAndReadouts) {
    const FormModel form = InitialForm();
    for (const Control& control : form.controls()) {
        if (const auto* field = std::get_if<TextBox>(&control.data)) {
            EXPECT_EQ(field->Text, "") << control.Name;
        }
    }
    for (const char* hidden : {"Text1", "Text3", "Text5", "Text6", "Text7"})
        EXPECT_FALSE(form.get<TextBox>(hidden).Visible) << hidden;
    for (const char* timer : {"Timer1", "Timer2", "Timer3"})
        EXPECT_TRUE(form.get<Timer>(timer).Enabled) << timer;
    EXPECT_EQ(form.get<Label>("Label6").Caption, "");
    EXPECT_EQ(form.get<Label>("Label7").Caption, "");
    EXPECT_TRUE(form.get<Label>("Label1").Visible);
    EXPECT_EQ(form.get<Label>("Label10").Left, 240);
    EXPECT_EQ(form.get<ScrollBar>("VScroll1").Value(), 10);
    EXPECT_EQ(form.get<ScrollBar>("HScroll1").Value(), 100);
    EXPECT_EQ(form.get<ScrollBar>("HScroll2").Value(), 100);
}

} // namespace
} // namespace molen
