// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"
#include "host/mill_window.h"
#include "model/initial_form.h"

int main(int argc, char* argv[]) {
    molen::nameApplication();
    if (const auto status = molen::answerInformationRequest(argc, argv))
        return *status;
    const auto app = molen::openApplication(argc, argv);
    molen::refuseOtherArguments(*app);
    molen::MillWindow window(molen::InitialForm());
    window.open();
    return QApplication::exec();
}
