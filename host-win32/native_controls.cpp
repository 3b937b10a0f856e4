// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host-win32/native_controls.h"

#include "host-win32/gdi_painter.h"
#include "host-win32/wide_text.h"
#include "session/form_facts.h"

#include <algorithm>
#include <commctrl.h>
#include <initguid.h> // defines, once, the accessibility GUIDs oleacc.h declares
#include <oleacc.h>
#include <utility>

namespace molen::win32 {
namespace {

// Child window ids: the control's id past the dialog ids (IDOK, IDCANCEL) the dialog keys send.
constexpr int FirstChildId = 100;

DWORD editStyle(const TextBox& field) {
    const DWORD align = field.Alignment == Alignment::Centre  ? ES_CENTER
                        : field.Alignment == Alignment::Right ? ES_RIGHT
                                                              : ES_LEFT;
    return DWORD(WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL) | align;
}

struct Made {
    const wchar_t* windowClass;
    DWORD style, extendedStyle;
};

Made madeOf(const ControlData& data) {
    if (const auto* field = std::get_if<TextBox>(&data))
        return {L"EDIT", editStyle(*field), WS_EX_CLIENTEDGE};
    if (const auto* bar = std::get_if<ScrollBar>(&data))
        return {L"SCROLLBAR",
                DWORD(WS_CHILD | WS_VISIBLE | WS_TABSTOP) |
                    DWORD(bar->orientation() == Orientation::Vertical ? SBS_VERT : SBS_HORZ),
                0};
    return {L"BUTTON", DWORD(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON), 0};
}

// The value a scroll bar's request asks for, as the form's bar steps and bounds it.
int requestedValue(HWND handle, const ScrollBar& bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(handle, SB_CTL, &info);
    const int value = bar.Value();
    switch (request) {
    case SB_LINEUP:
        return value - bar.SmallChange;
    case SB_LINEDOWN:
        return value + bar.SmallChange;
    case SB_PAGEUP:
        return value - bar.LargeChange;
    case SB_PAGEDOWN:
        return value + bar.LargeChange;
    case SB_TOP:
        return bar.Min();
    case SB_BOTTOM:
        return bar.Max();
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return info.nTrackPos;
    default:
        return value;
    }
}

} // namespace

NativeControls::NativeControls(HWND window, const FormModel& form, const drawing::PixelGrid& grid,
                               UINT dpi, Input input)
    : form_(form)
    , grid_(grid)
    , input_(std::move(input))
    , handles_(form.controls().size())
    , backgrounds_(form.controls().size()) {
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&names_));
    for (const ControlId id : tabOrder(form)) // made in Tab order: the dialog keys follow it
        create(window, id);
    place(dpi);
}

NativeControls::~NativeControls() {
    for (HBRUSH brush : backgrounds_)
        DeleteObject(brush);
    if (names_)
        names_->Release();
}

void NativeControls::create(HWND window, ControlId id) {
    const ControlData& data = form_.controls()[id].data;
    const Made made = madeOf(data);
    HWND handle = CreateWindowExW(made.extendedStyle, made.windowClass, L"", made.style, 0, 0, 0, 0,
                                  window, reinterpret_cast<HMENU>(INT_PTR(FirstChildId + id)),
                                  GetModuleHandleW(nullptr), nullptr);
    handles_[id] = handle;
    if (const auto* bar = std::get_if<ScrollBar>(&data))
        SetScrollRange(handle, SB_CTL, bar->Min(), bar->Max(), FALSE);
    if (const auto* field = std::get_if<TextBox>(&data))
        backgrounds_[id] = CreateSolidBrush(toColorRef(field->BackColor));
    name(id);
    sync(id);
}

// Where the system offers no annotation service, each control keeps the name Windows gives it.
void NativeControls::name(ControlId id) {
    const std::wstring name = widened(accessibleName(form_, id));
    if (names_ && !name.empty())
        names_->SetHwndPropStr(handles_[id], DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                               name.c_str());
}

void NativeControls::sync(ControlId id) {
    HWND handle = handles_.at(id);
    const ControlData& data = form_.controls()[id].data;
    if (const auto* field = std::get_if<TextBox>(&data)) {
        // A hidden field's text reaches its control when it is shown: the mill's working values
        // change on every tick, and no one sees them.
        const std::wstring text = widened(field->Text);
        std::wstring shown(std::size_t(GetWindowTextLengthW(handle)) + 1, L'\0');
        shown.resize(std::size_t(GetWindowTextW(handle, shown.data(), int(shown.size()))));
        if (field->Visible && shown != text) {
            syncing_ = true;
            SetWindowTextW(handle, text.c_str());
            syncing_ = false;
        }
        ShowWindow(handle, field->Visible ? SW_SHOWNA : SW_HIDE);
    } else if (const auto* bar = std::get_if<ScrollBar>(&data)) {
        SetScrollPos(handle, SB_CTL, bar->Value(), TRUE);
    } else if (const auto* button = std::get_if<CommandButton>(&data)) {
        SetWindowTextW(handle, widened(button->Caption).c_str());
    }
}

void NativeControls::place(UINT dpi) {
    const drawing::PixelGrid device = grid_.onDevice(dpi / 96.0);
    for (const ControlId id : tabOrder(form_)) {
        std::visit(
            [&](const auto& control) {
                using Kind = std::decay_t<decltype(control)>;
                if constexpr (std::is_base_of_v<Box, Kind>) {
                    const drawing::Rect r = device.onDevice(grid_.rect(control));
                    SetWindowPos(handles_[id], nullptr, r.left, r.top, r.width, r.height,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
                }
                if constexpr (requires { control.Font; })
                    SendMessageW(handles_[id], WM_SETFONT,
                                 WPARAM(fontOf(control.Font,
                                               grid_.fontPixels(control.Font.Size) * dpi / 96.0)),
                                 TRUE);
            },
            form_.controls()[id].data);
    }
}

std::optional<ControlId> NativeControls::idOf(HWND control) const {
    const auto found = std::find(handles_.begin(), handles_.end(), control);
    if (!control || found == handles_.end())
        return std::nullopt;
    return ControlId(found - handles_.begin());
}

bool NativeControls::command(WPARAM wParam, LPARAM lParam) {
    const auto id = idOf(reinterpret_cast<HWND>(lParam));
    if (!id)
        return false;
    const bool isField = std::holds_alternative<TextBox>(form_.controls()[*id].data);
    if (isField && HIWORD(wParam) == EN_CHANGE && !syncing_) {
        HWND handle = handles_[*id];
        std::wstring text(std::size_t(GetWindowTextLengthW(handle)) + 1, L'\0');
        text.resize(std::size_t(GetWindowTextW(handle, text.data(), int(text.size()))));
        input_.typed(*id, narrowed(text));
    } else if (!isField && HIWORD(wParam) == BN_CLICKED) {
        input_.pressed();
    }
    return true;
}

bool NativeControls::scroll(WPARAM wParam, LPARAM lParam) {
    const auto id = idOf(reinterpret_cast<HWND>(lParam));
    if (!id)
        return false;
    const auto& bar = std::get<ScrollBar>(form_.controls()[*id].data);
    const int value = std::clamp(requestedValue(handles_[*id], bar, LOWORD(wParam)), int(bar.Min()),
                                 int(bar.Max()));
    if (value != bar.Value())
        input_.scrolled(*id, value);
    return true;
}

std::optional<LRESULT> NativeControls::colours(HDC dc, HWND control) {
    const auto id = idOf(control);
    if (!id)
        return std::nullopt;
    const auto* field = std::get_if<TextBox>(&form_.controls()[*id].data);
    if (!field)
        return std::nullopt;
    SetTextColor(dc, toColorRef(field->ForeColor));
    SetBkColor(dc, toColorRef(field->BackColor));
    return reinterpret_cast<LRESULT>(backgrounds_[*id]);
}

} // namespace molen::win32
