// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bad_input_table.h"

#include <cstddef>
#include <ostream>
#include <string_view>

namespace molen::testing_support {
namespace {

struct Row {
    const char* name;
    std::string_view repeat;
    std::size_t times;
};

// Written from the table by cmake/bad_input.cmake.
constexpr Row Rows[] = {
#include "bad_input_rows.inc"
};

std::string repeated(std::string_view part, std::size_t times) {
    std::string text;
    text.reserve(part.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text.append(part);
    return text;
}

} // namespace

void PrintTo(const BadInput& entry, std::ostream* out) { *out << entry.name; }

const std::vector<BadInput>& badInputTable() {
    static const std::vector<BadInput> table = [] {
        std::vector<BadInput> entries;
        for (const Row& row : Rows)
            entries.push_back({row.name, repeated(row.repeat, row.times)});
        return entries;
    }();
    return table;
}

} // namespace molen::testing_support
