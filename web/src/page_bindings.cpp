// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's one declared interface: the value objects and the MillPage class the page's
// scripts use, under the names they read.

#include "control_view.h"
#include "mill_page.h"
#include "model/form1.h"
#include "session/form_facts.h"

#include <emscripten/bind.h>

namespace molen::web {
namespace {

using namespace emscripten;

void bindDrawing() {
    value_object<drawing::Rect>("Rect")
        .field("left", &drawing::Rect::left)
        .field("top", &drawing::Rect::top)
        .field("width", &drawing::Rect::width)
        .field("height", &drawing::Rect::height);
    value_object<drawing::Point>("Point")
        .field("x", &drawing::Point::x)
        .field("y", &drawing::Point::y);
    value_object<drawing::CaptionLine>("CaptionLine")
        .field("text", &drawing::CaptionLine::text)
        .field("x", &drawing::CaptionLine::x)
        .field("baseline", &drawing::CaptionLine::baseline);
    value_object<drawing::LineMetrics>("LineMetrics")
        .field("ascent", &drawing::LineMetrics::ascent)
        .field("lineHeight", &drawing::LineMetrics::lineHeight);
}

void bindControlView() {
    value_object<FontView>("FontView")
        .field("pixelSize", &FontView::pixelSize)
        .field("weight", &FontView::weight);
    value_object<ControlState>("ControlState")
        .field("id", &ControlState::id)
        .field("text", &ControlState::text)
        .field("visible", &ControlState::visible)
        .field("value", &ControlState::value);
    value_object<ControlView>("ControlView")
        .field("kind", &ControlView::kind)
        .field("name", &ControlView::name)
        .field("accessibleName", &ControlView::accessibleName)
        .field("box", &ControlView::box)
        .field("font", &ControlView::font)
        .field("foreColor", &ControlView::foreColor)
        .field("backColor", &ControlView::backColor)
        .field("textAlign", &ControlView::textAlign)
        .field("min", &ControlView::min)
        .field("max", &ControlView::max)
        .field("smallChange", &ControlView::smallChange)
        .field("largeChange", &ControlView::largeChange)
        .field("vertical", &ControlView::vertical)
        .field("state", &ControlView::state);
}

void bindMillPage() {
    class_<MillPage>("MillPage")
        .constructor<val>()
        .function("caption", &MillPage::caption)
        .function("clientArea", &MillPage::clientArea)
        .function("formColour", &MillPage::formColour)
        .function("setFormWidth", &MillPage::setFormWidth)
        .function("windowed", &MillPage::windowed)
        .function("liveTexts", &MillPage::liveTexts)
        .function("start", &MillPage::start)
        .function("tick", &MillPage::tick)
        .function("press", &MillPage::press)
        .function("setText", &MillPage::setText)
        .function("setValue", &MillPage::setValue)
        .function("setBannerMoving", &MillPage::setBannerMoving)
        .function("bannerMoving", &MillPage::bannerMoving)
        .function("deviceArea", &MillPage::deviceArea)
        .function("expose", &MillPage::expose)
        .function("paint", &MillPage::paint);
}

// The banner's stop as every host offers it: {name, hint, key}, the key a DOM `event.key`.
val bannerStop() {
    val stop = val::object();
    stop.set("name", std::string(BannerStopName));
    stop.set("hint", std::string(BannerStopHint));
    stop.set("key", std::string(BannerStopKey));
    return stop;
}

} // namespace

EMSCRIPTEN_BINDINGS(molen) {
    // The live text that assistive technology announces as it appears.
    constant("AdviceId", static_cast<int>(form1::Advice.id));
    function("bannerStop", &bannerStop);
    bindDrawing();
    bindControlView();
    bindMillPage();
}

} // namespace molen::web
