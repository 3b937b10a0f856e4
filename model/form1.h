// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of Form1, front to back, each as a typed handle; the initial form fills exactly
// these places, so a name that is not here does not compile.
#pragma once

#include "model/controls.h"
#include "model/handle.h"

#include <array>

namespace molen::form1 {

inline constexpr Handle<ScrollBar> HScroll2{0, "HScroll2"};
inline constexpr Handle<TextBox> Text8{1, "Text8"}; // shows the stone diameter in metres
inline constexpr Handle<Timer> Timer3{2, "Timer3"};
inline constexpr Handle<ScrollBar> HScroll1{3, "HScroll1"};
inline constexpr Handle<TextBox> Text7{4, "Text7"}; // hidden: the stone tick interval, ms
inline constexpr Handle<TextBox> Text6{5, "Text6"}; // hidden: the stone angle, degrees
inline constexpr Handle<Timer> Timer2{6, "Timer2"};
inline constexpr Handle<TextBox> Text5{7, "Text5"}; // hidden: Text2 as the stone tick took it
inline constexpr Handle<TextBox> Text4{8, "Text4"}; // shows the transmission ratio
inline constexpr Handle<Timer> Timer1{9, "Timer1"};
inline constexpr Handle<ScrollBar> VScroll1{10, "VScroll1"};
inline constexpr Handle<TextBox> Text3{11, "Text3"}; // hidden: the sail tick interval, ms
inline constexpr Handle<TextBox> Text2{12, "Text2"}; // shows the sail passes per minute
inline constexpr Handle<TextBox> Text1{13, "Text1"}; // hidden: the sail angle, degrees
inline constexpr Handle<CommandButton> Command1{14, "Command1"};
inline constexpr Handle<Label> Label10{15, "Label10"};
inline constexpr Handle<Line> Line18{16, "Line18"};
inline constexpr Handle<Line> Line17{17, "Line17"};
inline constexpr Handle<Line> Line16{18, "Line16"};
inline constexpr Handle<Line> Line15{19, "Line15"};
inline constexpr Handle<Line> Line14{20, "Line14"};
inline constexpr Handle<Line> Line13{21, "Line13"};
inline constexpr Handle<Line> Line12{22, "Line12"};
inline constexpr Handle<Line> Line11{23, "Line11"};
inline constexpr Handle<Line> Line10{24, "Line10"};
inline constexpr Handle<Line> Line9{25, "Line9"};
inline constexpr Handle<Line> Line8{26, "Line8"};
inline constexpr Handle<Label> Label9{27, "Label9"};
inline constexpr Handle<Label> Label8{28, "Label8"};
inline constexpr Handle<Label> Label7{29, "Label7"};
inline constexpr Handle<Line> Line7{30, "Line7"};
inline constexpr Handle<Label> Label3_3{31, "Label3", 3};
inline constexpr Handle<Label> Label3_2{32, "Label3", 2};
inline constexpr Handle<Label> Label5{33, "Label5"};
inline constexpr Handle<Line> Line6{34, "Line6"};
inline constexpr Handle<Label> Label4{35, "Label4"};
inline constexpr Handle<Label> Label3_1{36, "Label3", 1};
inline constexpr Handle<Label> Label3_0{37, "Label3", 0};
inline constexpr Handle<Label> Label2{38, "Label2"};
inline constexpr Handle<Shape> Shape1{39, "Shape1"};
inline constexpr Handle<Label> Label1{40, "Label1"};
inline constexpr Handle<Line> Line1{41, "Line1"};
inline constexpr Handle<Line> Line5{42, "Line5"};
inline constexpr Handle<Line> Line4{43, "Line4"};
inline constexpr Handle<Line> Line3{44, "Line3"};
inline constexpr Handle<Line> Line2{45, "Line2"};
inline constexpr Handle<Shape> Shape2{46, "Shape2"};
inline constexpr Handle<Label> Label6{47, "Label6"};

inline constexpr ControlId ControlCount = 48;

// A windowed control and the label beside it whose caption names it.
struct NamedBy {
    ControlId control;
    Handle<Label> caption;
};
inline constexpr std::array<NamedBy, 6> CaptionOf{{
    {VScroll1.id, Label2},
    {Text2.id, Label4},
    {HScroll1.id, Label5},
    {Text4.id, Label5},
    {HScroll2.id, Label8},
    {Text8.id, Label8},
}};

// The advice to reef the sails, shown in a strong wind: assistive technology announces it as it
// appears, where the readouts are only there to be read.
inline constexpr Handle<Label> Advice = Label1;

// The labels whose captions change as the mill runs: the banner, then the readouts top to
// bottom, then the advice.
inline constexpr std::array<Handle<Label>, 5> LiveTexts{Label10, Label6, Label7, Label9, Advice};

} // namespace molen::form1
