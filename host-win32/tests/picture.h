// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A 32-bit picture in memory that GDI paints on and a test reads pixel by pixel.
#pragma once

#include "drawing/geometry.h"

#include <cstdint>
#include <windows.h>

namespace molen::win32 {

class Picture {
  public:
    // `width` × `height` pixels, every one `colour`.
    Picture(int width, int height, COLORREF colour);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF at(int x, int y) const;

  private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    std::uint32_t* bits_ = nullptr;
};

} // namespace molen::win32
