// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bad_input_table.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace molen::testing_support {
namespace {

std::string textOf(const std::string& name) {
    const auto& table = badInputTable();
    const auto entry =
        std::find_if(table.begin(), table.end(), [&](const BadInput& e) { return e.name == name; });
    return entry == table.end() ? "(no such entry)" : entry->text;
}

TEST(BadInputTable, NamesEveryEntryOnceAsATestCaseCan) {
    std::set<std::string> names;
    for (const BadInput& entry : badInputTable()) {
        EXPECT_FALSE(entry.name.empty());
        EXPECT_TRUE(std::all_of(entry.name.begin(), entry.name.end(), [](unsigned char c) {
            return std::isalnum(c);
        })) << entry.name;
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
    }
    EXPECT_GE(names.size(), 20U);
}

TEST(BadInputTable, KeepsTextsByteForByte) {
    EXPECT_EQ(textOf("Empty"), "");
    EXPECT_EQ(textOf("Padded"), "  12  ");
    EXPECT_EQ(textOf("FullwidthDigits"), "\xEF\xBC\x91\xEF\xBC\x92");
    EXPECT_EQ(textOf("Emoji"), "\xF0\x9F\x8C\xAC"); // written as a surrogate pair in JSON
    EXPECT_EQ(textOf("ControlCharacter"), "\x07");
}

TEST(BadInputTable, WritesARepeatedPartItsNumberOfTimes) {
    EXPECT_EQ(textOf("ThirtyThousandNines"), std::string(30000, '9'));
    EXPECT_EQ(textOf("ThirtyThousandSevens"), std::string(30000, '7'));
}

} // namespace
} // namespace molen::testing_support
