// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// TextToInteger on any bytes: the text's number rounded half to even, or a documented error,
// with an overflow error exactly when that rounded number lies outside 32 bits.
#include "fuzz_support.h"
#include "model/conversions.h"
#include "model/errors.h"

#include <cmath>

using namespace molen;
using namespace molen::fuzzing;

namespace {

constexpr double Lowest = -2147483648.0, Highest = 2147483647.0;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = asText(data, size);
    double number;
    try {
        number = TextToNumber(text);
    } catch (const ProcedureError&) {
        return 0; // TextToNumber's own errors are its target's concern
    }
    const double nearest = std::nearbyint(number); // the default mode rounds halves to even
    try {
        const std::int32_t integer = TextToInteger(text);
        require(integer == nearest, "TextToInteger rounds half to even", text);
    } catch (const OverflowError&) {
        require(nearest < Lowest || nearest > Highest, "overflow only beyond 32 bits", text);
    }
    return 0;
}
