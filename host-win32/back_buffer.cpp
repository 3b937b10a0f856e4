// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host-win32/back_buffer.h"

namespace molen::win32 {
namespace {

// A device-independent picture: GDI+ antialiases on it as on any other (on a picture of the
// screen's own format some systems draw the rings unsmoothed).
HBITMAP pictureOf(SIZE size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

} // namespace

BackBuffer::~BackBuffer() { release(); }

void BackBuffer::release() {
    if (!dc_)
        return;
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
}

HDC BackBuffer::begin(SIZE size, const drawing::Rect& area) {
    if (!dc_ || size.cx > size_.cx || size.cy > size_.cy) {
        release();
        size_ = {std::max(size.cx, size_.cx), std::max(size.cy, size_.cy)};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = pictureOf(size_);
        previous_ = SelectObject(dc_, bitmap_);
    }
    const HRGN clip =
        CreateRectRgn(area.left, area.top, area.left + area.width, area.top + area.height);
    SelectClipRgn(dc_, clip);
    DeleteObject(clip);
    return dc_;
}

void BackBuffer::show(HDC target, const drawing::Rect& area) const {
    BitBlt(target, area.left, area.top, area.width, area.height, dc_, area.left, area.top, SRCCOPY);
}

} // namespace molen::win32
