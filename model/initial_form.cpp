// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "initial_form.h"

#include "form1.h"

#include <stdexcept>

namespace molen {
namespace {

constexpr Colour darkGrey = Colour::rgb(64, 64, 64);
constexpr Colour yellow = Colour::rgb(255, 255, 0);
constexpr Colour red = Colour::rgb(255, 0, 0);
constexpr Colour blue = Colour::rgb(0, 0, 255);
constexpr Colour darkBlue = Colour::rgb(0, 0, 192);
constexpr Colour magenta = Colour::rgb(255, 0, 255);
constexpr Colour olive = Colour::rgb(128, 128, 0);

Font bold(float size) { return Font{.Size = size, .Weight = 700}; }

// The form's controls, each put in the place its handle gives.
class Slots {
  public:
    template <class Kind>
    void put(Handle<Kind> control, Kind data) {
        Control& slot = controls_.at(control.id);
        if (!slot.Name.empty())
            throw std::logic_error("two controls in the place of " + std::string(control.name));
        slot = Control{std::string(control.name), control.index, std::move(data)};
    }
    std::vector<Control> take() {
        for (const Control& slot : controls_) {
            if (slot.Name.empty())
                throw std::logic_error("a place on the form left empty");
        }
        return std::move(controls_);
    }

  private:
    std::vector<Control> controls_{form1::ControlCount, Control{"", {}, Timer(1)}};
};

template <class Kind>
Kind placed(Kind control, Box box) {
    static_cast<Box&>(control) = box;
    return control;
}

Label label(Box box, std::string caption, Alignment alignment = Alignment::Left) {
    Label label = placed(Label{}, box);
    label.Caption = std::move(caption);
    label.Alignment = alignment;
    return label;
}

// One of the end marks "-" and "+" beside a slider.
Label endMark(Box box, std::string caption) {
    Label mark = label(box, std::move(caption), Alignment::Centre);
    mark.Font = bold(13.5f);
    return mark;
}

TextBox hiddenField(Box box, std::int16_t tabIndex) {
    TextBox field = placed(TextBox{}, box);
    field.Visible = false;
    field.TabIndex = tabIndex;
    return field;
}

// The yellow-on-grey fields that show wind, ratio and diameter.
TextBox display(Box box, std::int16_t tabIndex) {
    TextBox field = placed(TextBox{}, box);
    field.BackColor = darkGrey;
    field.ForeColor = yellow;
    field.Alignment = Alignment::Centre;
    field.Font = bold(8.25f);
    field.TabIndex = tabIndex;
    return field;
}

ScrollBar slider(Orientation orientation, Box box, std::int16_t min, std::int16_t max,
                 std::int16_t tabIndex) {
    ScrollBar bar = placed(ScrollBar(orientation, min, max), box);
    bar.TabIndex = tabIndex;
    return bar;
}

Line line(float x1, float y1, float x2, float y2, Colour colour, int width = 1,
          BorderStyle style = BorderStyle::Solid) {
    return Line{x1, y1, x2, y2, colour, style, width};
}

Shape disc(Box box, Colour fill, Colour border, Colour back) {
    Shape shape = placed(Shape{}, box);
    shape.Shape = ShapeKind::Circle;
    shape.FillStyle = FillStyle::Solid;
    shape.FillColor = fill;
    shape.BorderColor = border;
    shape.BackColor = back;
    return shape;
}

Label readout(Box box) { return label(box, ""); }

Label banner() {
    Label banner =
        label({240, 240, 5295, 495}, "...'t is een mooie dag zei de mulder en 't waaide...");
    banner.ForeColor = darkBlue;
    banner.Font = bold(9.75f);
    return banner;
}

Label advisory() {
    Label advisory = label({7440, 7920, 2055, 375}, "Zwichten is aangeraden", Alignment::Centre);
    advisory.ForeColor = red;
    advisory.Font = bold(8.25f);
    return advisory;
}

CommandButton brakeButton() {
    CommandButton button = placed(CommandButton{}, {3960, 6240, 2055, 375});
    button.Caption = "Licht de vang";
    button.TabIndex = 0;
    return button;
}

std::vector<Control> controlsFrontToBack() {
    using enum Orientation;
    using namespace form1;
    Slots form;
    form.put(HScroll2, slider(Horizontal, {720, 6600, 1815, 375}, 100, 190, 21));
    form.put(Text8, display({1440, 7320, 495, 375}, 19));
    form.put(Timer3, Timer(20));
    form.put(HScroll1, slider(Horizontal, {720, 5280, 1815, 375}, 100, 900, 15));
    form.put(Text7, hiddenField({1920, 7920, 375, 375}, 14));
    form.put(Text6, hiddenField({1200, 7920, 495, 375}, 13));
    form.put(Timer2, Timer(10));
    form.put(Text5, hiddenField({360, 7920, 615, 375}, 12));
    form.put(Text4, display({1440, 6120, 495, 375}, 10));
    form.put(Timer1, Timer(1000));
    form.put(VScroll1, slider(Vertical, {8040, 2160, 375, 3255}, 10, 140, 4));
    form.put(Text3, hiddenField({5280, 7920, 375, 375}, 3));
    form.put(Text2, display({8040, 6240, 495, 375}, 2));
    form.put(Text1, hiddenField({4680, 7920, 375, 375}, 1));
    form.put(Command1, brakeButton());
    form.put(Label10, banner());
    form.put(Line18, line(4440, 3240, 4800, 3000, darkBlue));
    form.put(Line17, line(5520, 3240, 5160, 3000, darkBlue));
    form.put(Line16, line(4800, 3000, 5160, 3000, darkBlue));
    form.put(Line15, line(3720, 6000, 6240, 6000, blue));
    form.put(Line14, line(6120, 5520, 6240, 6000, blue));
    form.put(Line13, line(3840, 5520, 3720, 6000, blue));
    form.put(Line12, line(3840, 5520, 6120, 5520, blue));
    form.put(Line11, line(4440, 3240, 4200, 5520, blue));
    form.put(Line10, line(5520, 3240, 5760, 5520, blue));
    form.put(Line9, line(4440, 3240, 5520, 3240, blue));
    form.put(Line8, line(480, 3405, 2760, 3405, magenta, 1, BorderStyle::Dot));
    form.put(Label9, label({7560, 6960, 1815, 375}, "Interval tussen 2 enden"));
    form.put(Label8, label({720, 7080, 1815, 255}, "Diameter loper", Alignment::Centre));
    form.put(Label7, readout({720, 1680, 3375, 255}));
    form.put(Line7, line(1600, 3400, 1600, 4200, darkBlue, 3));
    form.put(Label3_3, endMark({720, 4920, 375, 255}, "-"));
    form.put(Label3_2, endMark({2280, 4920, 375, 255}, "+"));
    form.put(Label5, label({720, 5760, 2055, 375}, "Overbrengings factor ", Alignment::Centre));
    form.put(Line6, line(1600, 3400, 1600, 2600, darkBlue, 3));
    form.put(Label4, label({7920, 5880, 735, 255}, "Enden", Alignment::Centre));
    form.put(Label3_1, endMark({8520, 5160, 375, 255}, "+"));
    form.put(Label3_0, endMark({8520, 2160, 375, 255}, "-"));
    form.put(Label2, label({7680, 1800, 1095, 255}, "Wind", Alignment::Centre));
    form.put(Shape1, disc({4680, 3360, 615, 495}, Colour::rgb(64, 64, 0), Colour::rgb(192, 0, 192),
                          Colour::rgb(192, 192, 255)));
    form.put(Label1, advisory());
    form.put(Line1, line(5000, 3600, 5000, 2000, red, 15));
    form.put(Line5, line(4995, 1440, 4995, 6120, blue, 1, BorderStyle::Dot));
    form.put(Line4, line(5000, 3600, 6600, 3600, olive, 15));
    form.put(Line3, line(5000, 3600, 3400, 3600, olive, 15));
    form.put(Line2, line(5000, 3600, 5000, 5200, olive, 15));
    form.put(Shape2, disc({650, 2600, 1935, 1600}, Colour::rgb(255, 224, 192), Colour::rgb(0, 0, 0),
                          Colour::of(SystemColour::WindowBackground)));
    form.put(Label6, readout({720, 2040, 3495, 255}));
    return form.take();
}

} // namespace

FormModel InitialForm() {
    FormProperties form;
    form.Caption = "  ZAVELTOP SOFTWARE";
    form.ClientWidth = 10875;
    form.ClientHeight = 8595;
    form.Width = 10995;
    return FormModel(std::move(form), controlsFrontToBack());
}

} // namespace molen
