// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which controls have changed since the page last asked, by the form's generations.
#pragma once

#include "model/form_model.h"

#include <cstdint>
#include <vector>

namespace molen {

class ChangeReport {
  public:
    // Gathers the controls changed since the last collect, front to back; returns their count.
    int collect(const FormModel& form) {
        changed_.clear();
        for (ControlId id = 0; id < form.controls().size(); ++id) {
            if (form.changedAt(id) > shownGeneration_)
                changed_.push_back(static_cast<int>(id));
        }
        shownGeneration_ = form.generation();
        return static_cast<int>(changed_.size());
    }
    int changed(int i) const { return changed_.at(static_cast<std::size_t>(i)); }

  private:
    std::vector<int> changed_;
    std::uint64_t shownGeneration_ = 0;
};

} // namespace molen
