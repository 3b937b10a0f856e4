// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A memory picture of the window, painted in the window's own device pixels, of which each part
// painted is copied to the window in one piece: the window never shows a half-painted frame. Kept
// from one paint to the next, and made anew only when the window outgrows it.
#pragma once

#include "drawing/geometry.h"

#include <windows.h>

namespace molen::win32 {

class BackBuffer {
  public:
    BackBuffer() = default;
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // The picture, at least `size`, to paint the pixels `area` on and nothing outside them.
    HDC begin(SIZE size, const drawing::Rect& area);
    // Copies `area`, as painted, to `target`.
    void show(HDC target, const drawing::Rect& area) const;

  private:
    void release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    SIZE size_{0, 0};
};

} // namespace molen::win32
