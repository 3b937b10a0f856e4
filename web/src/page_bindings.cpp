// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's one declared interface: the enums, value objects and the MillPage class the
// page's scripts use, under the names they read.

#include "control_view.h"
#include "mill_page.h"
#include "model/form1.h"

#include <emscripten/bind.h>

namespace molen::web {
namespace {

using namespace emscripten;

void bindEnums() {
    enum_<MillEvent>("MillEvent")
        .value("Load", MillEvent::Load)
        .value("Command1Click", MillEvent::Command1Click)
        .value("Timer1Tick", MillEvent::Timer1Tick)
        .value("Timer2Tick", MillEvent::Timer2Tick)
        .value("Timer3Tick", MillEvent::Timer3Tick);
    enum_<ControlKind>("ControlKind")
        .value("Label", ControlKind::Label)
        .value("TextBox", ControlKind::TextBox)
        .value("CommandButton", ControlKind::CommandButton)
        .value("ScrollBar", ControlKind::ScrollBar)
        .value("Timer", ControlKind::Timer)
        .value("Line", ControlKind::Line)
        .value("Shape", ControlKind::Shape);
    enum_<SystemColour>("SystemColour")
        .value("None", SystemColour::None)
        .value("ButtonFace", SystemColour::ButtonFace)
        .value("ButtonText", SystemColour::ButtonText)
        .value("WindowBackground", SystemColour::WindowBackground)
        .value("WindowText", SystemColour::WindowText);
    enum_<Alignment>("Alignment")
        .value("Left", Alignment::Left)
        .value("Right", Alignment::Right)
        .value("Centre", Alignment::Centre);
    enum_<Orientation>("Orientation")
        .value("Horizontal", Orientation::Horizontal)
        .value("Vertical", Orientation::Vertical);
}

void bindDrawing() {
    value_object<drawing::Rect>("Rect")
        .field("left", &drawing::Rect::left)
        .field("top", &drawing::Rect::top)
        .field("width", &drawing::Rect::width)
        .field("height", &drawing::Rect::height);
    value_object<drawing::Point>("Point")
        .field("x", &drawing::Point::x)
        .field("y", &drawing::Point::y);
    value_object<Colour>("Colour")
        .field("red", &Colour::red)
        .field("green", &Colour::green)
        .field("blue", &Colour::blue)
        .field("system", &Colour::system);
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
    value_object<ControlView>("ControlView")
        .field("id", &ControlView::id)
        .field("kind", &ControlView::kind)
        .field("name", &ControlView::name)
        .field("text", &ControlView::text)
        .field("accessibleName", &ControlView::accessibleName)
        .field("box", &ControlView::box)
        .field("visible", &ControlView::visible)
        .field("tabIndex", &ControlView::tabIndex)
        .field("font", &ControlView::font)
        .field("foreColor", &ControlView::foreColor)
        .field("backColor", &ControlView::backColor)
        .field("alignment", &ControlView::alignment)
        .field("min", &ControlView::min)
        .field("max", &ControlView::max)
        .field("value", &ControlView::value)
        .field("smallChange", &ControlView::smallChange)
        .field("largeChange", &ControlView::largeChange)
        .field("orientation", &ControlView::orientation)
        .field("enabled", &ControlView::enabled)
        .field("interval", &ControlView::interval);
    value_object<ControlState>("ControlState")
        .field("id", &ControlState::id)
        .field("kind", &ControlState::kind)
        .field("text", &ControlState::text)
        .field("visible", &ControlState::visible)
        .field("value", &ControlState::value)
        .field("enabled", &ControlState::enabled)
        .field("interval", &ControlState::interval);
}

void bindMillPage() {
    class_<MillPage>("MillPage")
        .constructor<val>()
        .function("caption", &MillPage::caption)
        .function("clientArea", &MillPage::clientArea)
        .function("setFormWidth", &MillPage::setFormWidth)
        .function("control", &MillPage::control)
        .function("windowed", &MillPage::windowed)
        .function("liveTexts", &MillPage::liveTexts)
        .function("timers", &MillPage::timers)
        .function("tickOf", &MillPage::tickOf)
        .function("deliver", &MillPage::deliver)
        .function("setText", &MillPage::setText)
        .function("setValue", &MillPage::setValue)
        .function("deviceArea", &MillPage::deviceArea)
        .function("expose", &MillPage::expose)
        .function("paint", &MillPage::paint);
}

} // namespace

EMSCRIPTEN_BINDINGS(molen) {
    // The live text that assistive technology announces as it appears.
    constant("AdviceId", static_cast<int>(form1::Advice.id));
    bindEnums();
    bindDrawing();
    bindControlView();
    bindMillPage();
}

} // namespace molen::web
