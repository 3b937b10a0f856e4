// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// TextToNumber on any bytes: a finite double or a documented error, and where it gives a value,
// the same value the C library reads from that text.
#include "fuzz_support.h"
#include "model/conversions.h"
#include "model/errors.h"

#include <cfloat>
#include <cmath>
#include <string>

using namespace molen;
using namespace molen::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = asText(data, size);
    double value;
    try {
        value = TextToNumber(text);
    } catch (const ConversionError&) {
        return 0;
    } catch (const ArithmeticError&) {
        return 0;
    }
    require(std::isfinite(value), "TextToNumber gives a finite value", text);
    const std::string copy(text); // strtod needs a terminated string; it skips leading blanks
    const double expected = std::strtod(copy.c_str(), nullptr);
    // Below the normal range the text is read as zero or the nearest subnormal, either is fine.
    if (std::abs(expected) >= DBL_MIN)
        require(value == expected, "TextToNumber agrees with strtod", text);
    return 0;
}
