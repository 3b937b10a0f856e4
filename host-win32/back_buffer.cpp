// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host-win32/back_buffer.h"

namespace molen::win32 {

BackBuffer::BackBuffer(HDC target, SIZE size, const drawing::Rect& area)
    : target_(target)
    , area_(area)
    , dc_(CreateCompatibleDC(target))
    , bitmap_(CreateCompatibleBitmap(target, size.cx, size.cy))
    , previous_(SelectObject(dc_, bitmap_)) {
    IntersectClipRect(dc_, area.left, area.top, area.left + area.width, area.top + area.height);
}

BackBuffer::~BackBuffer() {
    BitBlt(target_, area_.left, area_.top, area_.width, area_.height, dc_, area_.left, area_.top,
           SRCCOPY);
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

} // namespace molen::win32
