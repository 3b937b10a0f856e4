// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one window, Form1: its own properties and its controls in stacking order, front to back.
#pragma once

#include "controls.h"
#include "handle.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace molen {

struct FormProperties {
    std::string Caption;
    float ClientWidth = 0, ClientHeight = 0; // twips
    float Width = 0;                         // outer width in twips, frame included
    Colour BackColor = Colour::of(SystemColour::ButtonFace);
    molen::Font Font; // for controls without a font of their own
};

class FormModel {
  public:
    FormModel(FormProperties form, std::vector<Control> controls);

    const FormProperties& form() const { return form_; }
    // The window's outer width, which only the window knows.
    void setWidth(float twips) { form_.Width = twips; }
    std::span<const Control> controls() const { return controls_; }

    // The control of that name (and index, for an element of a control array);
    // std::out_of_range where there is none.
    ControlId find(std::string_view name, std::optional<std::int16_t> index = {}) const;

    template <class Kind>
    const Kind& get(ControlId id) const {
        return std::get<Kind>(controls_.at(id).data);
    }
    // Access for writing: the control counts as changed from here on.
    template <class Kind>
    Kind& edit(ControlId id) {
        Kind& control = std::get<Kind>(controls_.at(id).data);
        changedAt_[id] = ++generation_;
        return control;
    }
    template <class Kind>
    const Kind& get(Handle<Kind> control) const {
        return get<Kind>(control.id);
    }
    template <class Kind>
    Kind& edit(Handle<Kind> control) {
        return edit<Kind>(control.id);
    }
    template <class Kind>
    const Kind& get(std::string_view name, std::optional<std::int16_t> index = {}) const {
        return get<Kind>(find(name, index));
    }
    template <class Kind>
    Kind& edit(std::string_view name, std::optional<std::int16_t> index = {}) {
        return edit<Kind>(find(name, index));
    }

    // Every edit takes a new generation; a control whose changedAt is above the generation an
    // observer last saw may have changed since.
    std::uint64_t generation() const { return generation_; }
    std::uint64_t changedAt(ControlId id) const { return changedAt_.at(id); }

  private:
    FormProperties form_;
    std::vector<Control> controls_;
    std::vector<std::uint64_t> changedAt_;
    std::uint64_t generation_ = 0;
};

} // namespace molen
