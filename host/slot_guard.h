// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a Qt slot's work so that no exception escapes into Qt's event loop: an error ends that
// piece of work, is logged under molen.slots, and the window keeps running.
#pragma once

#include <exception>
#include <utility>

namespace molen {

// Logs that the work of slot `slot` ended with `error` (nullptr where it was no std::exception).
void logEscapedError(const char* slot, const std::exception* error) noexcept;

template <typename Work>
void runGuarded(const char* slot, Work&& work) noexcept {
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& error) {
        logEscapedError(slot, &error);
    } catch (...) {
        logEscapedError(slot, nullptr);
    }
}

} // namespace molen
