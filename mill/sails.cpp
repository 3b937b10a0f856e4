// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill/fields.h"
#include "mill/procedures.h"
#include "model/arithmetic.h"

#include <array>
#include <utility>

namespace molen {
using namespace form1;
namespace {

constexpr float HubX = 5000, HubY = 3600;
constexpr double SailLength = 1600;
constexpr double AdvisoryAbove = 75;

// The red sail first; the sails turn anticlockwise as the angle rises.
constexpr std::array<std::pair<Handle<Line>, double>, 4> Sails{{
    {Line1, 0},
    {Line2, 180},
    {Line3, 90},
    {Line4, 270},
}};

void drawSail(Line& sail, double theta) {
    sail.X1 = HubX;
    sail.Y1 = HubY;
    sail.X2 = ToSingle(sail.X1 - std::sin(theta) * SailLength);
    sail.Y2 = ToSingle(sail.Y1 - std::cos(theta) * SailLength);
}

} // namespace

void Timer1_Timer(FormModel& form) {
    const double pi = molen::pi();
    const std::string angle = text(form, Text1);
    setText(form, Text2, IntegerToText(form.get(VScroll1).Value()));
    setText(form, Text3, NumberToText(Reciprocal(number(form, Text2)) * 6000));
    form.edit(Timer1).setInterval(TextToInteger(text(form, Text3)));
    setText(form, Text1, NumberToText(number(form, Text1) + 10));
    form.edit(Label1).Visible = number(form, Text2) > AdvisoryAbove;
    form.edit(Label9).Caption = "Interval tussen 2 enden is  " +
                                FormatPattern(Reciprocal(number(form, Text2)) * 60, "0.00") +
                                " sec";
    const double degrees = TextToNumber(angle);
    for (const auto& [sail, offset] : Sails)
        drawSail(form.edit(sail), radians(degrees + offset, pi));
}

} // namespace molen
