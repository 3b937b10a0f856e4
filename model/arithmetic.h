// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Arithmetic whose failures are procedure errors rather than infinities or undefined behaviour.
#pragma once

namespace molen {

// 1 / value; zero is a division by zero and a non-finite result an overflow (ArithmeticError).
double Reciprocal(double value);

// Rounds a double to the nearest single-precision value for a geometry property; a value beyond
// single precision is an OverflowError, one that is not finite an ArithmeticError.
float ToSingle(double value);

} // namespace molen
