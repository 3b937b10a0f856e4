// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host-win32/mill_window.h"

#include "host-win32/gdi_painter.h"
#include "host-win32/resource_ids.h"
#include "host-win32/wide_text.h"
#include "model/form1.h"
#include "session/placement.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace molen::win32 {
namespace {

constexpr wchar_t WindowClass[] = L"MolenWindow";
constexpr DWORD FrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD FrameExStyle = WS_EX_CONTROLPARENT; // the dialog keys move among its controls
constexpr UINT_PTR ModalBeat = 1; // ticks while Windows' own loop moves or sizes the window

// A procedure's error, or a fault of the host's own, is told to a debugger only: the program goes
// on.
void logQuietly(const std::string& text) {
    OutputDebugStringW(widened("molen: " + text + "\n").c_str());
}

ATOM registerClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW; // until the window knows its object
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(MillIcon));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(MillIcon), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = WindowClass;
    return RegisterClassExW(&windowClass);
}

drawing::Rect toRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
RECT toRECT(const drawing::Rect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

} // namespace

MillWindow::MillWindow(FormModel form)
    : session_(std::move(form), drawing::PixelGrid::forDotsPerInch(96)) {
    static const ATOM windowClass = registerClass();
    window_ = CreateWindowExW(FrameExStyle, MAKEINTATOM(windowClass),
                              widened(session_.form().form().Caption).c_str(), FrameStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure));
    dpi_ = GetDpiForWindow(window_);
    controls_ = std::make_unique<NativeControls>(window_, session_.form(), session_.grid(), dpi_,
                                                 userInput());
}

MillWindow::~MillWindow() {
    controls_.reset();
    if (window_)
        DestroyWindow(window_);
}

NativeControls::Input MillWindow::userInput() {
    return {[this](ControlId id, std::string text) {
                Changes changes = session_.type(id, std::move(text));
                std::erase(changes.windowed, id); // shown as typed, which may not be valid text
                showChanges(changes);
            },
            [this](ControlId id, int value) { showChanges(session_.scroll(id, value)); },
            [this] {
                showChanges(session_.press(steadyMilliseconds()));
            }};
}

int MillWindow::run() {
    resizeClient(dpi_);
    placeOnScreen();
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(controls_->handle(form1::Command1.id));
    showChanges(session_.start(steadyMilliseconds()));
    return loop_.run({[this] { return nextDue(); }, [this] { tickDue(); },
                      [this](const MSG& message) {
                          return handledKey(message);
                      }});
}

void MillWindow::showChanges(const Changes& changes) {
    // An error ends the procedure at the failing step; what it set before stays set and is shown.
    if (changes.error)
        logQuietly(std::string(changes.procedure) + " ended early: " + *changes.error);
    for (const ControlId id : changes.windowed)
        controls_->sync(id);
    if (changes.adviceAppeared)
        announceAdvice();
    if (!changes.stale)
        return;
    const drawing::PixelGrid device = session_.grid().onDevice(ratio());
    for (const drawing::Rect& stale : session_.takeStale()) {
        const RECT r = toRECT(device.covering(stale));
        InvalidateRect(window_, &r, FALSE);
    }
}

std::optional<double> MillWindow::nextDue() const {
    std::optional<double> earliest;
    for (const Handle<Timer>& timer : MillSession::timers()) {
        if (const auto due = session_.dueAt(timer.id); due && (!earliest || *due < *earliest))
            earliest = due;
    }
    return earliest;
}

// Every timer due by now ticks once, each at its own time; the session sets its next.
void MillWindow::tickDue() {
    for (const Handle<Timer>& timer : MillSession::timers()) {
        const double now = steadyMilliseconds();
        if (const auto due = session_.dueAt(timer.id); due && *due <= now)
            showChanges(session_.tick(timer, now));
    }
}

// Enter presses the button when it has the focus; the dialog keys do the rest (Tab, Space).
bool MillWindow::handledKey(const MSG& message) {
    HWND button = controls_->handle(form1::Command1.id);
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && message.hwnd == button) {
        SendMessageW(button, BM_CLICK, 0, 0);
        return true;
    }
    return IsDialogMessageW(window_, const_cast<MSG*>(&message)) != FALSE;
}

void MillWindow::paint() {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(window_, &ps);
    const drawing::Rect dirty = toRect(ps.rcPaint);
    if (!dirty.empty()) {
        RECT client;
        GetClientRect(window_, &client);
        HDC dc = buffer_.begin({client.right, client.bottom}, dirty);
        // The logical pixels that hold any part of the device pixels to paint.
        const double r = ratio();
        const int left = int(std::floor(dirty.left / r)), top = int(std::floor(dirty.top / r));
        const drawing::Rect logical{left, top,
                                    int(std::ceil((dirty.left + dirty.width) / r)) - left,
                                    int(std::ceil((dirty.top + dirty.height) / r)) - top};
        GdiTextMeasure measure(dc);
        paintDisplayList(dc, session_.paint({&logical, 1}, r, measure));
        buffer_.show(screen, dirty);
    }
    EndPaint(window_, &ps);
}

void MillWindow::resizeClient(UINT dpi) {
    const drawing::Rect client =
        session_.grid().onDevice(dpi / 96.0).onDevice(session_.clientArea());
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&frame, FrameStyle, FALSE, FrameExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MillWindow::placeOnScreen() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame;
    GetWindowRect(window_, &frame);
    const drawing::Point at =
        framePlacement(frame.right - frame.left, frame.bottom - frame.top, toRect(monitor.rcWork));
    SetWindowPos(window_, nullptr, int(at.x), int(at.y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MillWindow::dpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    controls_->place(dpi);
    InvalidateRect(window_, nullptr, FALSE);
}

void MillWindow::recordOuterWidth() {
    RECT frame;
    GetWindowRect(window_, &frame);
    session_.setOuterWidth((frame.right - frame.left) / ratio());
}

// Told to assistive technology as an alert of the window, the advice its description.
void MillWindow::announceAdvice() {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window_, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_SYSTEM_ALERT, window_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK MillWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MillWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    try {
        if (self)
            return self->handle(message, wParam, lParam);
    } catch (const std::exception& fault) { // no exception may cross into Windows' own code
        logQuietly(fault.what());
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MillWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!controls_) // the controls are being made: their first notifications tell nothing new
        return DefWindowProcW(window_, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the display list fills every exposed pixel
    case WM_SIZE:
    case WM_MOVE:
        recordOuterWidth();
        break;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_COMMAND:
        if (controls_->command(wParam, lParam))
            return 0;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (controls_->scroll(wParam, lParam))
            return 0;
        break;
    case WM_CTLCOLOREDIT:
        if (const auto brush =
                controls_->colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return *brush;
        break;
    case WM_ENTERSIZEMOVE:
        SetTimer(window_, ModalBeat, USER_TIMER_MINIMUM, nullptr);
        return 0;
    case WM_EXITSIZEMOVE:
        KillTimer(window_, ModalBeat);
        return 0;
    case WM_TIMER:
        tickDue();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace molen::win32
