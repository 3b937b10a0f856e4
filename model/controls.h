// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The kinds of control on the form and their properties, under their usual names (Caption, Left).
// A property that some values would make invalid (a scroll bar's Value, a timer's Interval) is
// read by a call and written through a set function that refuses those values; every other
// property is a plain field.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace molen {

// Colours the desktop's theme decides; None marks a fixed red, green, blue colour.
enum class SystemColour : std::uint8_t {
    None,
    ButtonFace,
    ButtonText,
    WindowBackground,
    WindowText
};

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    SystemColour system = SystemColour::None;

    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {r, g, b, SystemColour::None};
    }
    static constexpr Colour of(SystemColour colour) { return {0, 0, 0, colour}; }
    bool operator==(const Colour&) const = default;
};

struct Font {
    std::string Name = "MS Sans Serif";
    float Size = 8.25f;
    int Weight = 400; // 700 is bold

    bool operator==(const Font&) const = default;
};

enum class Alignment : std::uint8_t { Left = 0, Right = 1, Centre = 2 };

// Position and size in twips, single precision like every geometry property.
struct Box {
    float Left = 0, Top = 0, Width = 0, Height = 0;

    void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
              std::optional<float> height = {});
    bool operator==(const Box&) const = default;
};

struct Label : Box {
    std::string Caption;
    Colour ForeColor = Colour::of(SystemColour::ButtonText);
    molen::Alignment Alignment = molen::Alignment::Left;
    molen::Font Font;
    bool Visible = true;

    bool operator==(const Label&) const = default;
};

struct TextBox : Box {
    std::string Text;
    Colour BackColor = Colour::of(SystemColour::WindowBackground);
    Colour ForeColor = Colour::of(SystemColour::WindowText);
    molen::Alignment Alignment = molen::Alignment::Left;
    molen::Font Font;
    bool Visible = true;
    std::int16_t TabIndex = 0;

    bool operator==(const TextBox&) const = default;
};

struct CommandButton : Box {
    std::string Caption;
    molen::Font Font;
    std::int16_t TabIndex = 0;

    bool operator==(const CommandButton&) const = default;
};

enum class Orientation : std::uint8_t { Horizontal, Vertical };

// Min lies at the left end of a horizontal bar and at the top of a vertical one.
class ScrollBar : public Box {
  public:
    ScrollBar(Orientation orientation, std::int16_t min, std::int16_t max);

    Orientation orientation() const { return orientation_; }
    std::int16_t Min() const { return min_; }
    std::int16_t Max() const { return max_; }
    std::int16_t Value() const { return value_; }
    // A value outside Min..Max is an InvalidPropertyValue and leaves Value as it was.
    void setValue(int value);

    std::int16_t SmallChange = 1;
    std::int16_t LargeChange = 1;
    std::int16_t TabIndex = 0;

    bool operator==(const ScrollBar&) const = default;

  private:
    Orientation orientation_;
    std::int16_t min_, max_, value_;
};

class Timer {
  public:
    static constexpr std::int32_t MinInterval = 1, MaxInterval = 65535;

    explicit Timer(std::int32_t interval);

    std::int32_t Interval() const { return interval_; }
    // An interval outside MinInterval..MaxInterval milliseconds is an InvalidPropertyValue
    // and leaves Interval as it was.
    void setInterval(std::int32_t interval);

    bool Enabled = true;

    bool operator==(const Timer&) const = default;

  private:
    std::int32_t interval_;
};

enum class BorderStyle : std::uint8_t { Solid = 1, Dot = 3 };

struct Line {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Colour BorderColor = Colour::rgb(0, 0, 0);
    molen::BorderStyle BorderStyle = molen::BorderStyle::Solid;
    int BorderWidth = 1; // pixels

    bool operator==(const Line&) const = default;
};

enum class ShapeKind : std::uint8_t { Rectangle = 0, Circle = 3 };
enum class FillStyle : std::uint8_t { Solid = 0, Transparent = 1 };

// A circle takes the smaller of Width and Height as its diameter and is centred in the box.
struct Shape : Box {
    ShapeKind Shape = ShapeKind::Rectangle;
    molen::FillStyle FillStyle = molen::FillStyle::Transparent;
    Colour FillColor = Colour::rgb(0, 0, 0);
    Colour BackColor = Colour::of(SystemColour::WindowBackground); // never painted
    Colour BorderColor = Colour::rgb(0, 0, 0);

    bool operator==(const molen::Shape&) const = default;
};

using ControlData = std::variant<Label, TextBox, CommandButton, ScrollBar, Timer, Line, Shape>;

struct Control {
    std::string Name;
    std::optional<std::int16_t> Index; // elements of a control array only
    ControlData data;
};

} // namespace molen
