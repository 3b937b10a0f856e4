// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's text fields, scroll bars and button as Windows' own controls (EDIT, SCROLLBAR,
// BUTTON), made in Tab order so that the dialog keys move through them in it, each named for
// assistive technology by the caption beside it.
#pragma once

#include "drawing/pixel_grid.h"
#include "model/form_model.h"

#include <functional>
#include <oleacc.h>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace molen::win32 {

class NativeControls {
  public:
    // What the user did to a control: typed its text, moved its bar, pressed the button.
    struct Input {
        std::function<void(ControlId, std::string)> typed;
        std::function<void(ControlId, int)> scrolled;
        std::function<void()> pressed;
    };

    // The controls of `form` as children of `window`, placed on `grid` at `dpi`; the form
    // outlives them.
    NativeControls(HWND window, const FormModel& form, const drawing::PixelGrid& grid, UINT dpi,
                   Input input);
    ~NativeControls();
    NativeControls(const NativeControls&) = delete;
    NativeControls& operator=(const NativeControls&) = delete;

    // Shows control `id` as the form now has it.
    void sync(ControlId id);
    // Places and sizes every control, and sets its face, for a screen of `dpi`.
    void place(UINT dpi);
    HWND handle(ControlId id) const { return handles_.at(id); }

    // The parent's notifications and colour requests: true where one came from a control here.
    bool command(WPARAM wParam, LPARAM lParam);
    bool scroll(WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> colours(HDC dc, HWND control);

  private:
    std::optional<ControlId> idOf(HWND control) const;
    void create(HWND window, ControlId id);
    void name(ControlId id);

    const FormModel& form_;
    const drawing::PixelGrid& grid_;
    Input input_;
    std::vector<HWND> handles_;         // by control id; null for controls that are not here
    std::vector<HBRUSH> backgrounds_;   // the fields' own background colours
    IAccPropServices* names_ = nullptr; // null where the system offers none
    bool syncing_ = false;              // the program, not the user, is changing a field
};

} // namespace molen::win32
