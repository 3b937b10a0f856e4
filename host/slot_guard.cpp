// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/slot_guard.h"

#include <QLoggingCategory>

namespace molen {
namespace {

// Slots whose work an exception ended; warnings, so visible unless QT_LOGGING_RULES hides them.
Q_LOGGING_CATEGORY(lcSlots, "molen.slots", QtWarningMsg)

} // namespace

void logEscapedError(const char* slot, const std::exception* error) noexcept {
    try {
        qCWarning(lcSlots, "%s ended early: %s", slot, error ? error->what() : "unknown error");
    } catch (...) { // NOLINT(bugprone-empty-catch): nothing is left to tell it with
    }
}

} // namespace molen
