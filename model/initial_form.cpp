// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "initial_form.h"

namespace molen {
namespace {

constexpr Colour darkGrey = Colour::rgb(64, 64, 64);
constexpr Colour yellow = Colour::rgb(255, 255, 0);
constexpr Colour red = Colour::rgb(255, 0, 0);
constexpr Colour blue = Colour::rgb(0, 0, 255);
constexpr Colour darkBlue = Colour::rgb(0, 0, 192);
constexpr Colour magenta = Colour::rgb(255, 0, 255);
constexpr Colour olive = Colour::rgb(128, 128, 0);

Font bold(float size) { return Font{.Size = size, .Weight = 700}; }

Control named(std::string name, ControlData data, std::optional<std::int16_t> index = {}) {
    return Control{std::move(name), index, std::move(data)};
}

template <class Kind>
Kind placed(Kind control, Box box) {
    static_cast<Box&>(control) = box;
    return control;
}

Label label(Box box, std::string caption, Alignment alignment = Alignment::Left) {
    Label label = placed(Label{}, box);
    label.Caption = std::move(caption);
    label.Alignment = alignment;
    return label;
}

// One of the end marks "-" and "+" beside a slider.
Control endMark(std::int16_t index, Box box, std::string caption) {
    Label mark = label(box, std::move(caption), Alignment::Centre);
    mark.Font = bold(13.5f);
    return named("Label3", mark, index);
}

TextBox hiddenField(Box box, std::int16_t tabIndex) {
    TextBox field = placed(TextBox{}, box);
    field.Visible = false;
    field.TabIndex = tabIndex;
    return field;
}

// The yellow-on-grey fields that show wind, ratio and diameter.
TextBox display(Box box, std::int16_t tabIndex) {
    TextBox field = placed(TextBox{}, box);
    field.BackColor = darkGrey;
    field.ForeColor = yellow;
    field.Alignment = Alignment::Centre;
    field.Font = bold(8.25f);
    field.TabIndex = tabIndex;
    return field;
}

ScrollBar slider(Orientation orientation, Box box, std::int16_t min, std::int16_t max,
                 std::int16_t tabIndex) {
    ScrollBar bar = placed(ScrollBar(orientation, min, max), box);
    bar.TabIndex = tabIndex;
    return bar;
}

Line line(float x1, float y1, float x2, float y2, Colour colour, int width = 1,
          BorderStyle style = BorderStyle::Solid) {
    return Line{x1, y1, x2, y2, colour, style, width};
}

Shape disc(Box box, Colour fill, Colour border, Colour back) {
    Shape shape = placed(Shape{}, box);
    shape.Shape = ShapeKind::Circle;
    shape.FillStyle = FillStyle::Solid;
    shape.FillColor = fill;
    shape.BorderColor = border;
    shape.BackColor = back;
    return shape;
}

Label readout(Box box) { return label(box, ""); }

Label banner() {
    Label banner =
        label({240, 240, 5295, 495}, "...'t is een mooie dag zei de mulder en 't waaide...");
    banner.ForeColor = darkBlue;
    banner.Font = bold(9.75f);
    return banner;
}

Label advisory() {
    Label advisory = label({7440, 7920, 2055, 375}, "Zwichten is aangeraden", Alignment::Centre);
    advisory.ForeColor = red;
    advisory.Font = bold(8.25f);
    return advisory;
}

CommandButton brakeButton() {
    CommandButton button = placed(CommandButton{}, {3960, 6240, 2055, 375});
    button.Caption = "Licht de vang";
    button.TabIndex = 0;
    return button;
}

std::vector<Control> controlsFrontToBack() {
    using enum Orientation;
    return {
        named("HScroll2", slider(Horizontal, {720, 6600, 1815, 375}, 100, 190, 21)),
        named("Text8", display({1440, 7320, 495, 375}, 19)),
        named("Timer3", Timer(20)),
        named("HScroll1", slider(Horizontal, {720, 5280, 1815, 375}, 100, 900, 15)),
        named("Text7", hiddenField({1920, 7920, 375, 375}, 14)),
        named("Text6", hiddenField({1200, 7920, 495, 375}, 13)),
        named("Timer2", Timer(10)),
        named("Text5", hiddenField({360, 7920, 615, 375}, 12)),
        named("Text4", display({1440, 6120, 495, 375}, 10)),
        named("Timer1", Timer(1000)),
        named("VScroll1", slider(Vertical, {8040, 2160, 375, 3255}, 10, 140, 4)),
        named("Text3", hiddenField({5280, 7920, 375, 375}, 3)),
        named("Text2", display({8040, 6240, 495, 375}, 2)),
        named("Text1", hiddenField({4680, 7920, 375, 375}, 1)),
        named("Command1", brakeButton()),
        named("Label10", banner()),
        named("Line18", line(4440, 3240, 4800, 3000, darkBlue)),
        named("Line17", line(5520, 3240, 5160, 3000, darkBlue)),
        named("Line16", line(4800, 3000, 5160, 3000, darkBlue)),
        named("Line15", line(3720, 6000, 6240, 6000, blue)),
        named("Line14", line(6120, 5520, 6240, 6000, blue)),
        named("Line13", line(3840, 5520, 3720, 6000, blue)),
        named("Line12", line(3840, 5520, 6120, 5520, blue)),
        named("Line11", line(4440, 3240, 4200, 5520, blue)),
        named("Line10", line(5520, 3240, 5760, 5520, blue)),
        named("Line9", line(4440, 3240, 5520, 3240, blue)),
        named("Line8", line(480, 3405, 2760, 3405, magenta, 1, BorderStyle::Dot)),
        named("Label9", label({7560, 6960, 1815, 375}, "Interval tussen 2 enden")),
        named("Label8", label({720, 7080, 1815, 255}, "Diameter loper", Alignment::Centre)),
        named("Label7", readout({720, 1680, 3375, 255})),
        named("Line7", line(1600, 3400, 1600, 4200, darkBlue, 3)),
        endMark(3, {720, 4920, 375, 255}, "-"),
        endMark(2, {2280, 4920, 375, 255}, "+"),
        named("Label5", label({720, 5760, 2055, 375}, "Overbrengings factor ", Alignment::Centre)),
        named("Line6", line(1600, 3400, 1600, 2600, darkBlue, 3)),
        named("Label4", label({7920, 5880, 735, 255}, "Enden", Alignment::Centre)),
        endMark(1, {8520, 5160, 375, 255}, "+"),
        endMark(0, {8520, 2160, 375, 255}, "-"),
        named("Label2", label({7680, 1800, 1095, 255}, "Wind", Alignment::Centre)),
        named("Shape1", disc({4680, 3360, 615, 495}, Colour::rgb(64, 64, 0),
                             Colour::rgb(192, 0, 192), Colour::rgb(192, 192, 255))),
        named("Label1", advisory()),
        named("Line1", line(5000, 3600, 5000, 2000, red, 15)),
        named("Line5", line(4995, 1440, 4995, 6120, blue, 1, BorderStyle::Dot)),
        named("Line4", line(5000, 3600, 6600, 3600, olive, 15)),
        named("Line3", line(5000, 3600, 3400, 3600, olive, 15)),
        named("Line2", line(5000, 3600, 5000, 5200, olive, 15)),
        named("Shape2", disc({650, 2600, 1935, 1600}, Colour::rgb(255, 224, 192),
                             Colour::rgb(0, 0, 0), Colour::of(SystemColour::WindowBackground))),
        named("Label6", readout({720, 2040, 3495, 255})),
    };
}

} // namespace

FormModel InitialForm() {
    FormProperties form;
    form.Caption = "  ZAVELTOP SOFTWARE";
    form.ClientWidth = 10875;
    form.ClientHeight = 8595;
    form.Width = 10995;
    return FormModel(std::move(form), controlsFrontToBack());
}

} // namespace molen
