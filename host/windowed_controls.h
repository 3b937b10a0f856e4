// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's text fields, scroll bars and button as real widgets: made once from the model, kept
// in line with it, and handing the user's typing and scrolling on.
#pragma once

#include "drawing/pixel_grid.h"
#include "model/form_model.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace molen {

class WindowedControls {
  public:
    struct Input {
        std::function<void(ControlId, std::string)> typed;
        std::function<void(ControlId, int)> scrolled;
    };

    // Creates the widgets on `parent`, in front of everything painted on it, each named after its
    // control, and chains them for Tab in the form's tab order.
    WindowedControls(QWidget& parent, const FormModel& form, const drawing::PixelGrid& grid,
                     Input input);

    // Shows the model's text, value, caption and visibility of control `id`, where it has a
    // widget; leaves a widget that already shows them untouched.
    void sync(ControlId id);

    // The widget standing for control `id`, or nullptr for painted controls and timers.
    QWidget* widget(ControlId id) const { return widgets_.at(id); }

  private:
    QWidget* create(QWidget& parent, ControlId id);
    void chainTabOrder();

    const FormModel& form_;
    Input input_;
    std::vector<QWidget*> widgets_; // owned by their parent
};

} // namespace molen
