// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control_numbers.h"

#include "boundary.h"

#include <limits>

namespace molen {
namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN();

template <class Kind>
double boxNumber(const Kind& c, int property) {
    if constexpr (std::is_base_of_v<Box, Kind>) {
        switch (property) {
        case MolenLeft:
            return c.Left;
        case MolenTop:
            return c.Top;
        case MolenWidth:
            return c.Width;
        case MolenHeight:
            return c.Height;
        }
    }
    return None;
}

template <class Kind>
double lookNumber(const Kind& c, int property) {
    if constexpr (requires { c.Font; }) {
        if (property == MolenFontSize)
            return c.Font.Size;
        if (property == MolenFontWeight)
            return c.Font.Weight;
    }
    if constexpr (requires { c.Visible; })
        if (property == MolenVisible)
            return c.Visible;
    if constexpr (requires { c.Alignment; })
        if (property == MolenAlignment)
            return static_cast<double>(c.Alignment);
    if constexpr (requires { c.ForeColor; })
        if (property == MolenForeColor)
            return colourNumber(c.ForeColor);
    if constexpr (requires { c.BackColor; })
        if (property == MolenBackColor)
            return colourNumber(c.BackColor);
    if constexpr (requires { c.TabIndex; })
        if (property == MolenTabIndex)
            return c.TabIndex;
    return boxNumber(c, property);
}

double lineNumber(const Line& c, int property) {
    switch (property) {
    case MolenX1:
        return c.X1;
    case MolenY1:
        return c.Y1;
    case MolenX2:
        return c.X2;
    case MolenY2:
        return c.Y2;
    case MolenBorderWidth:
        return c.BorderWidth;
    case MolenBorderStyle:
        return static_cast<double>(c.BorderStyle);
    case MolenBorderColor:
        return colourNumber(c.BorderColor);
    }
    return None;
}

double shapeNumber(const Shape& c, int property) {
    switch (property) {
    case MolenFillStyle:
        return static_cast<double>(c.FillStyle);
    case MolenShape:
        return static_cast<double>(c.Shape);
    case MolenFillColor:
        return colourNumber(c.FillColor);
    case MolenBorderColor:
        return colourNumber(c.BorderColor);
    }
    return lookNumber(c, property);
}

double barNumber(const ScrollBar& c, int property) {
    switch (property) {
    case MolenValue:
        return c.Value();
    case MolenMin:
        return c.Min();
    case MolenMax:
        return c.Max();
    case MolenVertical:
        return c.orientation() == Orientation::Vertical;
    case MolenSmallChange:
        return c.SmallChange;
    case MolenLargeChange:
        return c.LargeChange;
    }
    return lookNumber(c, property);
}

double timerNumber(const Timer& c, int property) {
    if (property == MolenEnabled)
        return c.Enabled;
    if (property == MolenInterval)
        return c.Interval();
    return None;
}

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

double colourNumber(const Colour& colour) {
    if (colour.system != SystemColour::None)
        return -static_cast<double>(colour.system);
    return colour.red * 65536.0 + colour.green * 256.0 + colour.blue;
}

double numberOf(const ControlData& control, int property) {
    return std::visit(Overloaded{
                          [&](const Line& c) { return lineNumber(c, property); },
                          [&](const Shape& c) { return shapeNumber(c, property); },
                          [&](const ScrollBar& c) { return barNumber(c, property); },
                          [&](const Timer& c) { return timerNumber(c, property); },
                          [&](const auto& c) { return lookNumber(c, property); },
                      },
                      control);
}

const std::string& textOf(const ControlData& control) {
    static const std::string empty;
    if (const auto* label = std::get_if<Label>(&control))
        return label->Caption;
    if (const auto* field = std::get_if<TextBox>(&control))
        return field->Text;
    if (const auto* button = std::get_if<CommandButton>(&control))
        return button->Caption;
    return empty;
}

} // namespace molen
