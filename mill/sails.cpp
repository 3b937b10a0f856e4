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

// The angle drawn is the one the tick starts from, read in the step that turns the sails; the
// wind is read once from Text2 for the interval, the advisory and the readout.
void Timer1_Timer(FormModel& form) {
    const double pi = molen::pi();
    setText(form, Text2, IntegerToText(form.get(VScroll1).Value()));
    const double wind = number(form, Text2);
    setNumber(form, Text3, Reciprocal(wind) * 6000);
    form.edit(Timer1).setInterval(TextToInteger(text(form, Text3)));
    const double degrees = number(form, Text1);
    setNumber(form, Text1, degrees + 10);
    form.edit(Label1).Visible = wind > AdvisoryAbove;
    setCaption(form, Label9, "Interval tussen 2 enden is  ",
               FormatPattern(Reciprocal(wind) * 60, "0.00"), " sec");
    for (const auto& [sail, offset] : Sails)
        drawSail(form.edit(sail), radians(degrees + offset, pi));
}

} // namespace molen
