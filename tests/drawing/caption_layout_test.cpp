// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Captions wrapped at words to their box and placed by their alignment, with a text engine of
// five units a character.
#include "drawing/caption_layout.h"
#include "tests/drawing/fixed_width_text.h"

#include <gtest/gtest.h>

namespace molen::drawing {
namespace {

struct WrapCase {
    const char* caption;
    double width;
    std::vector<std::string> lines;
};

const WrapCase WrapCases[] = {
    {"", 50, {""}},
    {"aaaa bbbb", 50, {"aaaa bbbb"}},                   // 45 units: fits
    {"aaaa bbbb cccc", 50, {"aaaa bbbb ", "cccc"}},     // 70 would not
    {"aaaa bbbbb", 50, {"aaaa bbbbb"}},                 // exactly 50 fits
    {"aaaa bbbbbb", 50, {"aaaa ", "bbbbbb"}},           // 55 does not
    {"aaaaaaaaaaaaa b", 50, {"aaaaaaaaaaaaa ", "b"}},   // a word wider than the box keeps its line
    {"aaaa bbbb     ", 50, {"aaaa bbbb     "}},         // trailing spaces hang past the width
    {"aaaa  bbbb  cccc", 50, {"aaaa  bbbb  ", "cccc"}}, // runs of spaces stay with their word
    {" aaaa", 10, {" ", "aaaa"}},                       // a leading space is a word of its own
};

TEST(CaptionWrapping, BreaksOnlyAfterSpacesWhereTheNextWordWouldNotFit) {
    FixedWidthText measure;
    for (const WrapCase& c : WrapCases)
        EXPECT_EQ(wrapAtWords(c.caption, c.width, Font(), 11, measure), c.lines) << c.caption;
}

TEST(CaptionPlacement, LinesStartByTheirAlignmentOneLineHeightApart) {
    FixedWidthText measure;
    const Rect box{100, 20, 50, 30};
    // "aaaa bbbb " shows as "aaaa bbbb", 45 units; "cccc" 20.
    const auto left = layOutCaption("aaaa bbbb cccc", box, Font(), 11, Alignment::Left, measure);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].text, "aaaa bbbb");
    EXPECT_EQ(left[1].text, "cccc");
    EXPECT_DOUBLE_EQ(left[0].x, 100);
    EXPECT_DOUBLE_EQ(left[0].baseline, 20 + 9);
    EXPECT_DOUBLE_EQ(left[1].baseline, 20 + 9 + 13);
    const auto right = layOutCaption("aaaa bbbb cccc", box, Font(), 11, Alignment::Right, measure);
    EXPECT_DOUBLE_EQ(right[0].x, 150 - 45);
    EXPECT_DOUBLE_EQ(right[1].x, 150 - 20);
    const auto centre =
        layOutCaption("aaaa bbbb cccc", box, Font(), 11, Alignment::Centre, measure);
    EXPECT_DOUBLE_EQ(centre[0].x, 100 + 2.5);
    EXPECT_DOUBLE_EQ(centre[1].x, 100 + 15);
}

} // namespace
} // namespace molen::drawing
