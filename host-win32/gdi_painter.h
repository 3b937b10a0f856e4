// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing handed to GDI: its operations become GDI calls (the rings GDI+, which antialiases),
// its text is measured by GDI in the captions' face, and its colours become the system's.
#pragma once

#include "drawing/caption_layout.h"
#include "drawing/display_list.h"

#include <windows.h>

namespace molen::win32 {

// The colour on this system: a system colour is the desktop's own (GetSysColor).
COLORREF toColorRef(const Colour& colour);

// The form's face in `font`, `pixelHeight` device pixels to the em, made once and kept: the face
// built into the program where the form names its own face (see caption_faces.h).
HFONT fontOf(const Font& font, double pixelHeight);

// GDI lays text out at the device's own size: a text unit is a device pixel.
class GdiTextMeasure : public drawing::TextMeasure {
  public:
    explicit GdiTextMeasure(HDC dc)
        : dc_(dc) {}
    double unit() const override { return 1; }
    double advance(std::string_view text, const Font& font, double pixelSize) override;
    drawing::LineMetrics metrics(const Font& font, double pixelSize) override;

  private:
    HDC dc_;
};

// Paints `list`, in order, on `dc`, whose units are device pixels: the very pixels the drawing
// worked out for each line, the rings antialiased, each caption clipped to its box.
void paintDisplayList(HDC dc, const drawing::DisplayList& list);

} // namespace molen::win32
