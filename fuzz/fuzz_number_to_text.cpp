// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// NumberToText on any double: plain decimal text that reads back as the value rounded to 15
// significant digits and writes again as itself; anything not finite, or rounding beyond the
// largest double, is an arithmetic error.
#include "fuzz_support.h"
#include "model/conversions.h"
#include "model/errors.h"

#include <cmath>
#include <string>

using namespace molen;
using namespace molen::fuzzing;

namespace {

void checkForm(const std::string& text) {
    require(text.find_first_not_of("-0123456789.") == std::string::npos,
            "only a sign, digits and a point", text);
    if (text.find('.') != std::string::npos)
        require(text.back() != '0' && text.back() != '.', "no trailing zeros", text);
    require(text != "-0", "no negative zero", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double value = leadingDouble(data, size);
    std::string text;
    try {
        text = NumberToText(value);
    } catch (const ArithmeticError&) {
        require(!std::isfinite(roundedTo15Digits(value)),
                "only a value that is not finite, or rounds beyond a double, fails", {});
        return 0;
    }
    require(std::isfinite(value), "a value that is not finite fails", text);
    checkForm(text);
    require(TextToNumber(text) == roundedTo15Digits(value), "reads back at 15 digits", text);
    require(NumberToText(TextToNumber(text)) == text, "writes back as itself", text);
    return 0;
}
