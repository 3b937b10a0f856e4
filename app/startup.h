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

// Answers --help, --help-all and --version, which need no display, and returns the exit status;
// nullopt when the command line asks for none of them, or also holds options that only Qt can
// tell from wrong ones: then the application answers, once Qt has taken its own.
std::optional<int> answerInformationRequest(int argc, char* argv[]);

// Creates the application, which takes Qt's own options from the command line. Where no display
// can be opened, the command line is still answered or refused as it would be with one (the
// program starts again, with Qt's offscreen platform after the ones that failed, to judge it);
// else the program says in one line that there is no display, and ends with status 1.
std::unique_ptr<QApplication> openApplication(int& argc, char* argv[]);

// Answers --help, --help-all and --version, and refuses what else is left of the command line
// once Qt has taken its options: the program has none of its own beyond those. Ends the program
// on any of them.
void refuseOtherArguments(const QApplication& app);

} // namespace molen
