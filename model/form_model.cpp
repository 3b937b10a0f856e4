// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_model.h"

#include <stdexcept>

namespace molen {

FormModel::FormModel(FormProperties form, std::vector<Control> controls)
    : form_(std::move(form))
    , controls_(std::move(controls))
    , changedAt_(controls_.size(), 0) {}

ControlId FormModel::find(std::string_view name, std::optional<std::int16_t> index) const {
    for (ControlId id = 0; id < controls_.size(); ++id) {
        if (controls_[id].Name == name && controls_[id].Index == index)
            return id;
    }
    throw std::out_of_range("No control " + std::string(name) +
                            (index ? "(" + std::to_string(*index) + ")" : ""));
}

} // namespace molen
