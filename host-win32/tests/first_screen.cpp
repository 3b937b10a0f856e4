// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints what the window's first screen paints at 96 dots per inch, one operation a line, in the
// colours of this system, for a check that compares it with the window on screen:
//   size WIDTH HEIGHT
//   banner TOP HEIGHT                      (the rows the scrolling banner runs along)
//   fill LEFT TOP WIDTH HEIGHT R G B
//   span Y LEFT LENGTH R G B
//   ring CX CY RX RY WIDTH R G B LEFT TOP WIDTH HEIGHT [R G B of the fill]
//   caption LEFT TOP WIDTH HEIGHT R G B    (its box and background)
#include "drawing/overloaded.h"
#include "host-win32/gdi_painter.h"
#include "model/form1.h"
#include "model/initial_form.h"
#include "session/mill_session.h"

#include <cstdio>

namespace {

using namespace molen;

void printColour(COLORREF c) { std::printf(" %d %d %d", GetRValue(c), GetGValue(c), GetBValue(c)); }
void printRect(const drawing::Rect& r) { std::printf(" %d %d %d %d", r.left, r.top, r.width, r.height); }

void print(const drawing::Operation& operation) {
    std::visit(Overloaded{
                   [](const drawing::FillRect& fill) {
                       std::printf("fill");
                       printRect(fill.area);
                       printColour(win32::toColorRef(fill.colour));
                   },
                   [](const drawing::Pixels& pixels) {
                       for (const drawing::Span& s : pixels.spans) {
                           std::printf("span %d %d %d", s.y, s.left, s.length);
                           printColour(win32::toColorRef(pixels.colour));
                           std::printf("\n");
                       }
                   },
                   [](const drawing::Ring& ring) {
                       std::printf("ring %g %g %g %g %d", ring.centre.x, ring.centre.y,
                                   ring.radiusX, ring.radiusY, ring.width);
                       printColour(win32::toColorRef(ring.border));
                       printRect(ring.box);
                       if (ring.fill)
                           printColour(win32::toColorRef(*ring.fill));
                   },
                   [](const drawing::Caption& caption) {
                       std::printf("caption");
                       printRect(caption.clip);
                       printColour(win32::toColorRef(caption.background));
                   },
               },
               operation);
    if (!std::holds_alternative<drawing::Pixels>(operation))
        std::printf("\n");
}

} // namespace

int main() {
    MillSession session(InitialForm(), drawing::PixelGrid::forDotsPerInch(96));
    const drawing::Rect client = session.clientArea();
    std::printf("size %d %d\n", client.width, client.height);
    const drawing::Rect banner = session.grid().rect(session.form().get(form1::Label10));
    std::printf("banner %d %d\n", banner.top, banner.height);
    win32::GdiTextMeasure measure(GetDC(nullptr));
    for (const drawing::Operation& operation : session.paint({&client, 1}, 1, measure))
        print(operation);
}
