// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the mill: plain C functions over one FormModel, exported from WebAssembly.
#pragma once

#include <cstdint>

extern "C" {

// The events the page delivers are those of molen::MillEvent, by number: 0 Load,
// 1 Command1Click, 2 Timer1Tick, 3 Timer2Tick, 4 Timer3Tick.

// Builds the initial form and delivers the load event; returns the number of controls.
int molen_start();

// The one dispatch point: runs the event's procedure (an error ends it at the failing step) and
// returns how many controls changed since the last report; molen_changed(i) names each.
int molen_deliver(int event);
// The controls changed since the last report, by user input too; empties the report.
int molen_collect_changes();
// The event a tick of timer `id` delivers; -1 where that control is no timer.
int molen_tick_of(int id);
int molen_changed(int i);

// What a control is and holds. Kinds: 0 Label, 1 TextBox, 2 CommandButton, 3 ScrollBar,
// 4 Timer, 5 Line, 6 Shape.
int molen_kind(int id);
const char* molen_name(int id);
int molen_index(int id);        // -1 for a control outside any control array
const char* molen_text(int id); // Caption or Text; empty for the other kinds
// A number property of control `id`, NaN where its kind has none. Colours are 0xRRGGBB, or minus
// the system colour (1 button face, 2 button text, 3 window background, 4 window text).
enum MolenProperty : int {
    MolenLeft,
    MolenTop,
    MolenWidth,
    MolenHeight,
    MolenX1,
    MolenY1,
    MolenX2,
    MolenY2,
    MolenBorderWidth,
    MolenBorderStyle,
    MolenVisible,
    MolenAlignment,
    MolenFontSize,
    MolenFontWeight,
    MolenForeColor,
    MolenBackColor,
    MolenFillColor,
    MolenBorderColor,
    MolenFillStyle,
    MolenShape,
    MolenValue,
    MolenMin,
    MolenMax,
    MolenVertical,
    MolenTabIndex,
    MolenEnabled,
    MolenInterval,
    MolenSmallChange,
    MolenLargeChange
};
double molen_number(int id, int property);

// The user's input: a field's new text, a slider's new value (0 where the bar refuses it).
void molen_set_text(int id, const char* text);
int molen_set_value(int id, int value);

// The form: its caption, client size in twips and outer width.
const char* molen_form_caption();
double molen_form_number(int property); // 0 ClientWidth, 1 ClientHeight, 2 Width, 3 BackColor
void molen_set_form_width(double twips);
}
