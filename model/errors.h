// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The errors that end a running event procedure; the host catches them all as ProcedureError.
#pragma once

#include <stdexcept>

namespace molen {

// Base of every error a procedure can raise; earlier effects of the procedure stay in place.
class ProcedureError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Text that is not a number where a number is needed.
class ConversionError : public ProcedureError {
  public:
    using ProcedureError::ProcedureError;
};

// Division by zero, or a result that is not a finite double.
class ArithmeticError : public ProcedureError {
  public:
    using ProcedureError::ProcedureError;
};

// A value outside the range of the integer or single-precision type it must go into.
class OverflowError : public ProcedureError {
  public:
    using ProcedureError::ProcedureError;
};

// A property set to a value its control cannot take (a timer interval, a scroll-bar value).
class InvalidPropertyValue : public ProcedureError {
  public:
    using ProcedureError::ProcedureError;
};

} // namespace molen
