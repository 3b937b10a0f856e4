// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill/fields.h"
#include "mill/procedures.h"

namespace molen {
using namespace form1;
namespace {

constexpr std::string_view Braked = "Licht de vang";
constexpr std::string_view Running = "Vangen";

void setDrives(FormModel& form, bool enabled) {
    form.edit(Timer1).Enabled = enabled;
    form.edit(Timer2).Enabled = enabled;
}

} // namespace

void Form_Load(FormModel& form) {
    form.edit(Label1).Visible = false;
    setDrives(form, false);
    form.edit(Label10).Move(-2300, 20);
    form.edit(HScroll1).setValue(450);
    form.edit(HScroll2).setValue(140);
}

void Command1_Click(FormModel& form) {
    const std::string caption = form.get(Command1).Caption;
    if (caption == Braked) {
        setDrives(form, true);
        setText(form, Text1, IntegerToText(1));
        setText(form, Text6, "1");
        setText(form, Text4, "4");
        form.edit(Command1).Caption = Running;
    } else if (caption == Running) {
        form.edit(Command1).Caption = Braked;
        setDrives(form, false);
    }
}

} // namespace molen
