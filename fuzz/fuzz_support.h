// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What every fuzz target shares: the input as text or as a double, and a check that aborts
// (which libFuzzer reports as a crash, with the input saved) when a property fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace molen::fuzzing {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The first eight bytes as a double, zero-padded when the input is shorter.
inline double leadingDouble(const std::uint8_t* data, std::size_t size) {
    unsigned char bytes[sizeof(double)] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// The value rounded to 15 significant digits, worked out apart from the code under test.
inline double roundedTo15Digits(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

[[noreturn]] inline void fail(const char* property, std::string_view detail) {
    std::fprintf(stderr, "property failed: %s [%.*s]\n", property,
                 static_cast<int>(detail.size() > 200 ? 200 : detail.size()), detail.data());
    std::abort();
}

inline void require(bool holds, const char* property, std::string_view detail = {}) {
    if (!holds)
        fail(property, detail);
}

} // namespace molen::fuzzing
