// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arithmetic.h"

#include "errors.h"

#include <cmath>
#include <limits>

namespace molen {

double Reciprocal(double value) {
    if (value == 0)
        throw ArithmeticError("Division by zero");
    const double result = 1.0 / value;
    if (!std::isfinite(result))
        throw ArithmeticError("Overflow");
    return result;
}

float ToSingle(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("Overflow");
    if (std::abs(value) > std::numeric_limits<float>::max())
        throw OverflowError("Overflow");
    return static_cast<float>(value);
}

} // namespace molen
