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

void writeReadouts(FormModel& form, double pi) {
    const double turnsPerMinute = number(form, Text2) / 4 * number(form, Text4);
    form.edit(Label6).Caption =
        "Toerental loper  " + FormatPattern(turnsPerMinute, "0.00") + "   toeren/minuut";
    const double rimSpeed =
        pi * number(form, Text8) * number(form, Text2) * number(form, Text4) / 240;
    form.edit(Label7).Caption = "Omtreksnelheid loper  " + FormatPattern(rimSpeed, "0.00  m/sec");
}

} // namespace

void Timer2_Timer(FormModel& form) {
    const double pi = molen::pi();
    const std::string angle = text(form, Text6);
    setText(form, Text4, NumberToText(sliderHundredths(form, HScroll1)));
    setText(form, Text8, NumberToText(sliderHundredths(form, HScroll2)));
    setText(form, Text6, NumberToText(number(form, Text6) - number(form, Text4) * 10));
    setText(form, Text5, text(form, Text2));
    if (text(form, Text5).empty())
        return; // no wind yet: the first sail tick has not come
    setText(form, Text7, NumberToText(Reciprocal(number(form, Text5)) * 6000));
    form.edit(Timer2).setInterval(TextToInteger(text(form, Text7)));
    const double degrees = TextToNumber(angle);
    drawRadius(form.edit(Line6), radians(degrees, pi));
    drawRadius(form.edit(Line7), radians(degrees + 180, pi));
    writeReadouts(form, pi);
}

} // namespace molen
