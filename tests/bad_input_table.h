// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table of bad input, tests/data/bad_input.json, as the build read it when configured: the
// texts any test may type or paste where the user can, shared with the fuzzers' seeds.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace molen::testing_support {

struct BadInput {
    std::string name; // names a test case: letters and digits only
    std::string text; // UTF-8
};

// Shows an entry by its name: some texts are too long, or not printable.
void PrintTo(const BadInput& entry, std::ostream* out);

// Every entry of the table, in its order.
const std::vector<BadInput>& badInputTable();

} // namespace molen::testing_support
