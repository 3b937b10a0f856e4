// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A memory picture of a window, painted in the window's own device pixels, of which the part
// painted is copied to it in one piece when it goes: the window never shows a half-painted frame.
#pragma once

#include "drawing/geometry.h"

#include <windows.h>

namespace molen::win32 {

class BackBuffer {
  public:
    // A picture of `size` for the pixels `area` of `target`, to paint through dc(), which paints
    // nothing outside `area`.
    BackBuffer(HDC target, SIZE size, const drawing::Rect& area);
    ~BackBuffer(); // copies the picture to the target
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    HDC dc() const { return dc_; }

  private:
    HDC target_;
    drawing::Rect area_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

} // namespace molen::win32
