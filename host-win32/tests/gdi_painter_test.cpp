// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The GDI backend against display lists: every pixel a fill or a line covers painted in its
// colour and no other, each ring round and inside its box, each caption inside its own.
#include "host-win32/gdi_painter.h"
#include "host-win32/tests/picture.h"
#include "model/initial_form.h"
#include "session/mill_session.h"

#include <cmath>
#include <gdiplus.h>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace molen::win32 {
namespace {

using drawing::Rect;

constexpr COLORREF Untouched = RGB(1, 2, 3); // in no display list

// What each pixel must be after the list is painted: the colour of the last fill or line over
// it, unknown (nullopt) where a ring or caption may have drawn, Untouched where nothing did.
class Expected {
  public:
    Expected(int width, int height)
        : width_(width)
        , pixels_(std::size_t(width * height), Untouched) {}

    void follow(const drawing::DisplayList& list) {
        for (const drawing::Operation& operation : list) {
            if (const auto* fill = std::get_if<drawing::FillRect>(&operation))
                set(fill->area, toColorRef(fill->colour));
            else if (const auto* pixels = std::get_if<drawing::Pixels>(&operation))
                for (const drawing::Span& span : pixels->spans)
                    set({span.left, span.y, span.length, 1}, toColorRef(pixels->colour));
            else if (const auto* ring = std::get_if<drawing::Ring>(&operation))
                set(ring->box, std::nullopt);
            else
                set(std::get<drawing::Caption>(operation).clip, std::nullopt);
        }
    }
    std::optional<COLORREF> at(int x, int y) const { return pixels_[std::size_t(y * width_ + x)]; }

  private:
    void set(const Rect& area, std::optional<COLORREF> colour) {
        const Rect inside = area.intersected({0, 0, width_, int(pixels_.size()) / width_});
        for (int y = inside.top; y <= inside.bottom(); ++y)
            for (int x = inside.left; x <= inside.right(); ++x)
                pixels_[std::size_t(y * width_ + x)] = colour;
    }
    int width_;
    std::vector<std::optional<COLORREF>> pixels_;
};

struct GdiplusSession { // GDI+ for the rings, as the program starts it
    GdiplusSession() { Gdiplus::GdiplusStartup(&token, &input, nullptr); }
    ~GdiplusSession() { Gdiplus::GdiplusShutdown(token); }
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
};

// Pixels painted otherwise than the list says, of those it says.
int wrongPixels(const drawing::DisplayList& list, int width, int height) {
    GdiplusSession gdiplus;
    Picture picture(width, height, Untouched);
    paintDisplayList(picture.dc(), list);
    Expected expected(width, height);
    expected.follow(list);
    int wrong = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            wrong += expected.at(x, y) && *expected.at(x, y) != picture.at(x, y);
    return wrong;
}

// The whole first screen, as the window paints it on screens of common scales.
class FirstScreen : public testing::TestWithParam<double> {};

TEST_P(FirstScreen, EveryFillAndLinePixelIsPaintedExactly) {
    const double ratio = GetParam();
    MillSession session(InitialForm(), drawing::PixelGrid::forDotsPerInch(96));
    const Rect client = session.clientArea();
    Picture measuring(1, 1, Untouched);
    GdiTextMeasure measure(measuring.dc());
    const drawing::DisplayList list = session.paint({&client, 1}, ratio, measure);
    const Rect device = session.grid().onDevice(ratio).onDevice(client);
    EXPECT_EQ(wrongPixels(list, device.width, device.height), 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, FirstScreen, testing::Values(1.0, 1.25, 1.5, 2.0));

TEST(Pixels, FillTheirSpansAndNothingElse) {
    const drawing::DisplayList list{
        drawing::Pixels{{{2, 3, 4}, {3, 0, 1}, {4, 9, 1}}, Colour::rgb(200, 10, 10)},
        drawing::Pixels{{{5, 1, 8}}, Colour::rgb(0, 0, 255)},
    };
    GdiplusSession gdiplus;
    Picture picture(10, 8, Untouched);
    paintDisplayList(picture.dc(), list);
    int painted = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            painted += picture.at(x, y) != Untouched;
    EXPECT_EQ(painted, 4 + 1 + 1 + 8) << "as many pixels as the spans hold";
    EXPECT_EQ(wrongPixels(list, 10, 8), 0);
}

// A disc 20 pixels across about (30.5, 20.5), outlined 3 pixels wide: well inside it is the fill,
// well outside the outline untouched, and nothing outside its box.
TEST(Ring, IsRoundFilledAndInsideItsBox) {
    const COLORREF border = RGB(0, 0, 200), fill = RGB(250, 220, 180);
    const drawing::Ring ring{
        {30.5, 20.5},       10, 10, 3, Colour::rgb(0, 0, 200), Colour::rgb(250, 220, 180),
        Rect{19, 9, 23, 20}};
    GdiplusSession gdiplus;
    Picture picture(60, 40, Untouched);
    paintDisplayList(picture.dc(), {ring});
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const double d = std::hypot(x + 0.5 - 30.5, y + 0.5 - 20.5);
            const COLORREF got = picture.at(x, y);
            std::optional<COLORREF> expected; // none in the antialiased edges
            if (!ring.box.contains({x, y, 1, 1}) || d > 10 + 1.5 + 1)
                expected = Untouched;
            else if (d < 10 - 1.5 - 1)
                expected = fill;
            else if (std::abs(d - 10) < 0.5)
                expected = border;
            if (expected) {
                EXPECT_EQ(got, *expected) << x << ", " << y;
            }
        }
    }
}

// A caption longer than its box: its box filled, its text in its colour inside it, nothing out.
TEST(Caption, StaysInsideItsBox) {
    const Rect box{10, 5, 60, 14};
    drawing::Caption caption{
        box,    box, Colour::rgb(240, 240, 240), 1,
        Font{}, 11,  Colour::rgb(0, 0, 0),       {{"Zwichten is aangeraden", 12, 16}}};
    Picture picture(100, 30, Untouched);
    paintDisplayList(picture.dc(), {caption});
    int ink = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 100; ++x) {
            const COLORREF got = picture.at(x, y);
            if (!box.contains({x, y, 1, 1}))
                EXPECT_EQ(got, Untouched) << x << ", " << y << " is outside the caption";
            else
                ink += got != RGB(240, 240, 240);
        }
    }
    EXPECT_GT(ink, 40) << "the text is drawn";
}

} // namespace
} // namespace molen::win32
