// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints what the window's first screen paints at 96 dots per inch, one operation a line, in the
// colours of this system, for a check that compares it with the window on screen:
//   size WIDTH HEIGHT
//   banner TOP HEIGHT                      (the rows the scrolling banner runs along)
//   control NAME LEFT TOP WIDTH HEIGHT     (each shown text field, scroll bar and button)
//   sail X Y LENGTH R G B                  (the sail that turns first: its hub, length, colour)
//   fill LEFT TOP WIDTH HEIGHT R G B
//   span Y LEFT LENGTH R G B
//   ring CX CY RX RY WIDTH R G B LEFT TOP WIDTH HEIGHT [R G B of the fill]
//   caption LEFT TOP WIDTH HEIGHT R G B N  (its box, background and number of characters)
#include "drawing/overloaded.h"
#include "host-win32/gdi_painter.h"
#include "model/form1.h"
#include "model/initial_form.h"
#include "session/form_facts.h"
#include "session/mill_session.h"

#include <cmath>
#include <cstdio>
#include <type_traits>

namespace {

using namespace molen;

void printColour(COLORREF c) { std::printf(" %d %d %d", GetRValue(c), GetGValue(c), GetBValue(c)); }
void printRect(const drawing::Rect& r) {
    std::printf(" %d %d %d %d", r.left, r.top, r.width, r.height);
}

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
                       std::size_t characters = 0;
                       for (const drawing::CaptionLine& line : caption.lines)
                           characters += line.text.size();
                       std::printf(" %zu", characters);
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
    for (const ControlId id : tabOrder(session.form())) {
        const auto* field = std::get_if<TextBox>(&session.form().controls()[id].data);
        if (field && !field->Visible)
            continue;
        std::visit(
            [&](const auto& control) {
                if constexpr (std::is_base_of_v<Box, std::decay_t<decltype(control)>>) {
                    std::printf("control %s", session.form().controls()[id].Name.c_str());
                    printRect(session.grid().rect(control));
                    std::printf("\n");
                }
            },
            session.form().controls()[id].data);
    }
    const Line& sail = session.form().get(form1::Line1);
    const drawing::PixelGrid& grid = session.grid();
    std::printf("sail %g %g %g", grid.pixels(sail.X1), grid.pixels(sail.Y1),
                grid.pixels(std::hypot(sail.X2 - sail.X1, sail.Y2 - sail.Y1)));
    printColour(win32::toColorRef(sail.BorderColor));
    std::printf("\n");
    win32::GdiTextMeasure measure(GetDC(nullptr));
    for (const drawing::Operation& operation : session.paint({&client, 1}, 1, measure))
        print(operation);
}
