// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host-win32/gdi_painter.h"

#include "drawing/overloaded.h"
#include "host-win32/wide_text.h"

#include <cmath>
#include <gdiplus.h>
#include <map>
#include <tuple>

namespace molen::win32 {
namespace {

constexpr std::string_view FormFace = "MS Sans Serif";
constexpr wchar_t ShippedFace[] = L"Liberation Sans";

void fillRect(HDC dc, const drawing::Rect& area, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    const RECT r{area.left, area.top, area.left + area.width, area.top + area.height};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void paintPixels(HDC dc, const drawing::Pixels& pixels) {
    SetDCBrushColor(dc, toColorRef(pixels.colour));
    const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    for (const drawing::Span& span : pixels.spans) {
        const RECT r{span.left, span.y, span.left + span.length, span.y + 1};
        FillRect(dc, &r, brush);
    }
}

Gdiplus::Color toGdiplus(const Colour& colour) {
    const COLORREF c = toColorRef(colour);
    return Gdiplus::Color(255, GetRValue(c), GetGValue(c), GetBValue(c));
}

// Pixel centres at half coordinates, as the drawing has them; antialiased, clipped to the box.
void paintRing(HDC dc, const drawing::Ring& ring) {
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetClip(Gdiplus::Rect(ring.box.left, ring.box.top, ring.box.width, ring.box.height),
                     Gdiplus::CombineModeIntersect);
    const auto x = static_cast<Gdiplus::REAL>(ring.centre.x - ring.radiusX);
    const auto y = static_cast<Gdiplus::REAL>(ring.centre.y - ring.radiusY);
    const auto w = static_cast<Gdiplus::REAL>(2 * ring.radiusX);
    const auto h = static_cast<Gdiplus::REAL>(2 * ring.radiusY);
    if (ring.fill) {
        const Gdiplus::SolidBrush brush(toGdiplus(*ring.fill));
        graphics.FillEllipse(&brush, x, y, w, h);
    }
    const Gdiplus::Pen pen(toGdiplus(ring.border), static_cast<Gdiplus::REAL>(ring.width));
    graphics.DrawEllipse(&pen, x, y, w, h);
}

void paintCaption(HDC dc, const drawing::Caption& caption) {
    if (caption.clip.empty())
        return;
    fillRect(dc, caption.clip, toColorRef(caption.background));
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, caption.clip.left, caption.clip.top,
                      caption.clip.left + caption.clip.width,
                      caption.clip.top + caption.clip.height);
    SelectObject(dc, fontOf(caption.font, caption.pixelSize));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, toColorRef(caption.colour));
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    for (const drawing::CaptionLine& line : caption.lines) {
        const std::wstring text = widened(line.text);
        ExtTextOutW(dc, int(std::lround(line.x)), int(std::lround(line.baseline)), 0, nullptr,
                    text.c_str(), UINT(text.size()), nullptr);
    }
    RestoreDC(dc, saved);
}

} // namespace

COLORREF toColorRef(const Colour& colour) {
    switch (colour.system) {
    case SystemColour::ButtonFace:
        return GetSysColor(COLOR_BTNFACE);
    case SystemColour::ButtonText:
        return GetSysColor(COLOR_BTNTEXT);
    case SystemColour::WindowBackground:
        return GetSysColor(COLOR_WINDOW);
    case SystemColour::WindowText:
        return GetSysColor(COLOR_WINDOWTEXT);
    case SystemColour::None:
        break;
    }
    return RGB(colour.red, colour.green, colour.blue);
}

HFONT fontOf(const Font& font, double pixelHeight) {
    // A handful of faces in all (two weights, a few sizes for each screen), kept for the
    // program's life.
    static std::map<std::tuple<std::string, int, int>, HFONT> made;
    const int height = std::max(1, int(std::lround(pixelHeight)));
    const auto key = std::make_tuple(font.Name, font.Weight, height);
    if (const auto found = made.find(key); found != made.end())
        return found->second;
    const std::wstring face = font.Name == FormFace ? ShippedFace : widened(font.Name);
    HFONT made_font = CreateFontW(-height, 0, 0, 0, font.Weight, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS,
                                  ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
    made.emplace(key, made_font);
    return made_font;
}

double GdiTextMeasure::advance(std::string_view text, const Font& font, double pixelSize) {
    SelectObject(dc_, fontOf(font, pixelSize));
    const std::wstring wide = widened(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), int(wide.size()), &size);
    return size.cx;
}

drawing::LineMetrics GdiTextMeasure::metrics(const Font& font, double pixelSize) {
    SelectObject(dc_, fontOf(font, pixelSize));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return {double(metrics.tmAscent), double(metrics.tmHeight + metrics.tmExternalLeading)};
}

void paintDisplayList(HDC dc, const drawing::DisplayList& list) {
    for (const drawing::Operation& operation : list) {
        std::visit(Overloaded{
                       [&](const drawing::FillRect& fill) {
                           fillRect(dc, fill.area, toColorRef(fill.colour));
                       },
                       [&](const drawing::Pixels& pixels) { paintPixels(dc, pixels); },
                       [&](const drawing::Ring& ring) { paintRing(dc, ring); },
                       [&](const drawing::Caption& caption) { paintCaption(dc, caption); },
                   },
                   operation);
    }
}

} // namespace molen::win32
