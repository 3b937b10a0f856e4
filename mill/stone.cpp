// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill/fields.h"
#include "mill/procedures.h"
#include "model/arithmetic.h"

namespace molen {
using namespace form1;
namespace {

constexpr float CentreX = 1600, CentreY = 3400;
constexpr double RadiusLength = 800;

void drawRadius(Line& radius, double theta) {
    radius.X1 = CentreX;
    radius.Y1 = CentreY;
    radius.X2 = ToSingle(radius.X1 + std::sin(theta) * RadiusLength);
    radius.Y2 = ToSingle(radius.Y1 + std::cos(theta) * RadiusLength);
}

double sliderHundredths(const FormModel& form, Handle<ScrollBar> slider) {
    return form.get(slider).Value() / 100.0;
}

// Revolutions per minute and rim speed; every value read from its field as the tick wrote it.
void writeReadouts(FormModel& form, double pi, double wind, double ratio) {
    const double turnsPerMinute = wind / 4 * ratio;
    setCaption(form, Label6, "Toerental loper  ", FormatPattern(turnsPerMinute, "0.00"),
               "   toeren/minuut");
    const double rimSpeed = pi * number(form, Text8) * wind * ratio / 240;
    setCaption(form, Label7, "Omtreksnelheid loper  ", FormatPattern(rimSpeed, "0.00  m/sec"));
}

} // namespace

// The angle drawn is the one the tick starts from, read in the step that turns the stone; the
// wind is Text5's copy of Text2, read once for the interval and both readouts.
void Timer2_Timer(FormModel& form) {
    const double pi = molen::pi();
    setNumber(form, Text4, sliderHundredths(form, HScroll1));
    setNumber(form, Text8, sliderHundredths(form, HScroll2));
    const double degrees = number(form, Text6);
    const double ratio = number(form, Text4);
    setNumber(form, Text6, degrees - ratio * 10);
    setText(form, Text5, text(form, Text2));
    if (text(form, Text5).empty())
        return; // no wind yet: the first sail tick has not come
    const double wind = number(form, Text5);
    setNumber(form, Text7, Reciprocal(wind) * 6000);
    form.edit(Timer2).setInterval(TextToInteger(text(form, Text7)));
    drawRadius(form.edit(Line6), radians(degrees, pi));
    drawRadius(form.edit(Line7), radians(degrees + 180, pi));
    writeReadouts(form, pi, wind, ratio);
}

} // namespace molen
