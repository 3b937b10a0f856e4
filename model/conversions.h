// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Locale-free conversions between field text and numbers; "." is the decimal separator throughout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace molen {

// Parses blanks, an optional sign, digits with an optional "." and fraction, an optional
// exponent, and blanks. Anything else is a ConversionError; a value beyond a double is an
// ArithmeticError, one too small for a double reads as zero.
double TextToNumber(std::string_view text);

// The value rounded to 15 significant digits in plain decimal ("42.8571428571429", "-44").
// A value that is not finite, or that rounds beyond the largest double, is an ArithmeticError.
std::string NumberToText(double value);

std::string IntegerToText(std::int64_t value);

// TextToNumber rounded to the nearest integer, halves to even; beyond 32 bits an OverflowError.
std::int32_t TextToInteger(std::string_view text);

// Formats with a pattern such as "0.00  m/sec": the run of "0" and "." is the number (a "0" is a
// digit always shown), every other character is copied. Halves round away from zero on the
// value's 15-digit decimal form, the form NumberToText writes.
std::string FormatPattern(double value, std::string_view pattern);

} // namespace molen
