// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What paints the form's labels, lines and shapes, worked out by hand from the form's twips at 15
// twips per pixel, on devices of one, one and a half and two device pixels to the pixel.
#include "drawing/form_drawing.h"
#include "model/form1.h"
#include "model/initial_form.h"
#include "tests/drawing/fixed_width_text.h"

#include <gtest/gtest.h>
#include <set>

namespace molen::drawing {
namespace {

DisplayList drawn(const ControlData& control, double ratio, double unit = 1) {
    FixedWidthText measure(unit);
    DisplayList list;
    drawControl(control, PixelGrid(15, ratio), measure, list);
    return list;
}

// The pixels of the spans, as (x, y).
std::set<std::pair<int, int>> pixelsOf(const std::vector<Span>& spans) {
    std::set<std::pair<int, int>> pixels;
    for (const Span& span : spans) {
        for (int x = span.left; x < span.left + span.length; ++x)
            pixels.emplace(x, span.y);
    }
    return pixels;
}

class FormDrawing : public testing::Test {
  protected:
    FormModel form{InitialForm()};
};

// Line8 runs from (480, 3405) to (2760, 3405) twips: from pixel 32 to 184 along row 227, 152
// pixels. Its 76 dots start half a stroke from its start, a stroke long and a stroke apart.
TEST_F(FormDrawing, DottedLinesAlternateDotsAndGapsAStrokeLongEach) {
    for (const int ratio : {1, 2}) {
        const DisplayList list = drawn(form.get(form1::Line8), ratio);
        ASSERT_EQ(list.size(), 1u);
        const auto& dots = std::get<Pixels>(list[0]);
        EXPECT_EQ(dots.colour, Colour::rgb(255, 0, 255));
        std::set<int> columns, rows;
        for (const auto& [x, y] : pixelsOf(dots.spans)) {
            columns.insert(x);
            rows.insert(y);
        }
        EXPECT_EQ(rows.size(), std::size_t(ratio)) << ratio;
        EXPECT_EQ(*rows.begin(), 227 * ratio - ratio / 2) << "about row 227's middle";
        const int first = 32 * ratio + 1;
        EXPECT_EQ(*columns.begin(), first) << ratio;
        EXPECT_LT(*columns.rbegin(), 184 * ratio) << ratio;
        for (const int x : columns)
            EXPECT_LT((x - first) % (2 * ratio), ratio) << "a pixel of a gap at " << x;
        EXPECT_EQ(columns.size(), std::size_t(76 * ratio)) << "every dot whole";
    }
}

// Line1, the red sail, 15 pixels wide, from (5000, 3600) to (5000, 2000): x = 333.33, y from
// 240 up to 133.33, snapped to the pixel centres 333.5, 240.5 and 133.5.
TEST_F(FormDrawing, AWideLineIsABandWithARoundEndAtEachEnd) {
    const DisplayList list = drawn(form.get(form1::Line1), 1);
    ASSERT_EQ(list.size(), 3u);
    const auto& band = std::get<Pixels>(list[0]);
    EXPECT_EQ(band.colour, Colour::rgb(255, 0, 0));
    EXPECT_EQ(band.spans.size(), 240u - 133u + 1u) << "a span a row, no further than the centres";
    for (const Span& span : band.spans)
        EXPECT_EQ(span, (Span{span.y, 326, 15})) << "flat ends, 15 wide about 333.5";
    EXPECT_EQ(band.spans.front().y, 133);
    const auto& end = std::get<Pixels>(list[2]);
    EXPECT_EQ(end.spans.size(), 15u) << "a disc 15 across about (333.5, 133.5)";
    EXPECT_EQ(end.spans[7], (Span{133, 326, 15})) << "the widest row, through its centre";
    EXPECT_LT(end.spans[0].length, 15);
    EXPECT_EQ(end.spans[0].y, 126);
}

// Line9, one pixel wide from (4440, 3240) to (5520, 3240): pixels 296 to 368 in row 216, the end
// pixels whole.
TEST_F(FormDrawing, AThinLineReachesItsEndPixelsWhole) {
    const DisplayList list = drawn(form.get(form1::Line9), 1);
    ASSERT_EQ(list.size(), 1u);
    const auto& line = std::get<Pixels>(list[0]);
    EXPECT_EQ(line.spans, (std::vector<Span>{{216, 296, 73}}));
    const DisplayList twice = drawn(form.get(form1::Line9), 2);
    const auto& doubled = std::get<Pixels>(twice[0]);
    EXPECT_EQ(doubled.spans, (std::vector<Span>{{431, 591, 146}, {432, 591, 146}}));
}

// Shape1: 4680, 3360, 615 × 495 twips, pixels 312, 224, 41 × 33; its circle the 33 pixel square
// centred in it, from x = 316.
TEST_F(FormDrawing, ACircleIsARingAPixelWideFilledInside) {
    const DisplayList one = drawn(form.get(form1::Shape1), 1),
                      two = drawn(form.get(form1::Shape1), 2);
    const auto& hub = std::get<Ring>(one[0]);
    EXPECT_EQ(hub.box, (Rect{312, 224, 41, 33}));
    EXPECT_EQ(hub.centre, (Point{332.5, 240.5}));
    EXPECT_DOUBLE_EQ(hub.radiusX, 16) << "along the middle of a one-pixel outline";
    EXPECT_DOUBLE_EQ(hub.radiusY, 16);
    EXPECT_EQ(hub.border, Colour::rgb(192, 0, 192));
    EXPECT_EQ(hub.fill, Colour::rgb(64, 64, 0));
    const auto& doubled = std::get<Ring>(two[0]);
    EXPECT_EQ(doubled.centre, (Point{665, 481}));
    EXPECT_DOUBLE_EQ(doubled.radiusX, 32) << "two device pixels wide";
    EXPECT_EQ(doubled.width, 2);
}

// Label5: 720, 5760, 2055 × 375 twips, pixels 48, 384, 137 × 25; "Overbrengings factor " shows
// as 20 characters, 100 units, centred.
TEST_F(FormDrawing, ALabelIsItsBoxAndItsCaptionInTextUnits) {
    const DisplayList list = drawn(form.get(form1::Label5), 1.5);
    ASSERT_EQ(list.size(), 1u);
    const auto& caption = std::get<Caption>(list[0]);
    EXPECT_EQ(caption.clip, (Rect{72, 576, 206, 38}));
    EXPECT_EQ(caption.background, Colour::of(SystemColour::ButtonFace));
    ASSERT_EQ(caption.lines.size(), 1u);
    EXPECT_EQ(caption.lines[0].text, "Overbrengings factor");
    EXPECT_DOUBLE_EQ(caption.lines[0].x, 72 + (206 - 100) / 2.0);
    EXPECT_DOUBLE_EQ(caption.pixelSize, 11 * 1.5);
    // A text engine that lays out at the logical size gets the logical box.
    const DisplayList scaled = drawn(form.get(form1::Label5), 1.5, 1.5);
    const auto& logical = std::get<Caption>(scaled[0]);
    EXPECT_DOUBLE_EQ(logical.lines[0].x, 48 + (137 - 100) / 2.0);
    EXPECT_DOUBLE_EQ(logical.lines[0].baseline, 384 + FixedWidthText::Ascent);
    EXPECT_DOUBLE_EQ(logical.pixelSize, 11);
}

TEST_F(FormDrawing, AHiddenLabelPaintsNothingButKeepsItsBounds) {
    form.edit(form1::Label1).Visible = false;
    EXPECT_TRUE(drawn(form.get(form1::Label1), 1).empty());
    EXPECT_EQ(paintedBounds(form.get(form1::Label1), PixelGrid(15)), (Rect{496, 528, 137, 25}));
    for (const ControlId id :
         {form1::Text2.id, form1::VScroll1.id, form1::Command1.id, form1::Timer1.id})
        EXPECT_TRUE(drawn(form.controls()[id].data, 1).empty()) << form.controls()[id].Name;
}

// About the stone's centre (1600, 3400 twips: pixel 106.67, 226.67) lie the stone, its two radius
// lines and the dotted line through it; they are drawn from the rearmost, the stone, forward.
TEST_F(FormDrawing, WhatMeetsTheExposedAreaIsDrawnRearmostFirst) {
    FixedWidthText measure;
    const std::vector<Rect> exposed{{100, 220, 10, 10}};
    const DisplayList list = drawExposed(form, PixelGrid(15), measure, exposed);
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(std::get<Ring>(list[0]).fill, Colour::rgb(255, 224, 192)) << "Shape2";
    EXPECT_EQ(std::get<Pixels>(list[1]).spans.front().y, 2600 / 15) << "Line6, up";
    EXPECT_EQ(std::get<Pixels>(list[2]).spans.size(), 3u) << "its round ends";
    EXPECT_EQ(std::get<Pixels>(list[3]).spans.size(), 3u);
    EXPECT_EQ(std::get<Pixels>(list[4]).spans.back().y, 280) << "Line7, down";
    EXPECT_EQ(std::get<Pixels>(list[7]).colour, Colour::rgb(255, 0, 255)) << "Line8, frontmost";
    EXPECT_TRUE(
        drawExposed(form, PixelGrid(15), measure, std::vector<Rect>{{0, 560, 5, 5}}).empty())
        << "nothing painted in the bottom left corner";
}

} // namespace
} // namespace molen::drawing
