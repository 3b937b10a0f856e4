// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill/procedures.h"
#include "model/arithmetic.h"
#include "model/form1.h"

namespace molen {
using namespace form1;

void Timer3_Timer(FormModel& form) {
    Label& banner = form.edit(Label10);
    banner.Left = ToSingle(banner.Left + 20.0);
    if (banner.Left > form.form().Width)
        banner.Left = -2300;
}

} // namespace molen
