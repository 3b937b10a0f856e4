// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's UTF-8 text to and from Windows' UTF-16; ill-formed input becomes replacement
// characters, never an error.
#pragma once

#include <string>
#include <string_view>

namespace molen::win32 {

std::wstring widened(std::string_view text);
std::string narrowed(std::wstring_view text);

} // namespace molen::win32
