// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up before the window: the command line answered in the usual way, and a missing display
// reported in one line instead of Qt's abort.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>

namespace molen {

// Gives the application its name, version and desktop entry, which the options and the window
// system read.
void nameApplication();

// Answers --help and --version, which need no display, and returns the exit status; nullopt
// when the command line asks for neither.
std::optional<int> answerInformationRequest(int argc, char* argv[]);

// Creates the application, which takes Qt's own options from the command line. Where no display
// can be opened it says so in one line and ends the program with status 1.
std::unique_ptr<QApplication> openApplication(int& argc, char* argv[]);

// Refuses what is left of the command line once Qt has taken its options: the program has none
// of its own beyond --help and --version. Ends the program on anything else.
void refuseOtherArguments(const QApplication& app);

} // namespace molen
