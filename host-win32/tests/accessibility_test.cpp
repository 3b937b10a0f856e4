// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls as a screen reader finds them, through the system's accessibility layer (oleacc):
// each field and slider named by the caption beside it, the button by its own.
#include "host-win32/native_controls.h"
#include "model/initial_form.h"

#include <gtest/gtest.h>
#include <map>
#include <oleacc.h>
#include <string>

namespace molen::win32 {
namespace {

// What assistive technology hears, by control, as in the other windows' tests.
const std::multimap<std::wstring, std::wstring> Names{
    {L"ScrollBar", L"Wind"},
    {L"Edit", L"Enden"},
    {L"ScrollBar", L"Overbrengings factor "},
    {L"Edit", L"Overbrengings factor "},
    {L"ScrollBar", L"Diameter loper"},
    {L"Edit", L"Diameter loper"},
    {L"Button", L"Licht de vang"},
};

// Wine's accessibility layer keeps no annotations: it names a control by its window text, so the
// button alone is named there.
bool onWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"); }

std::wstring accessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
        return L"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring result = SUCCEEDED(accessible->get_accName(self, &name)) && name ? name : L"";
    SysFreeString(name);
    accessible->Release();
    return result;
}

BOOL CALLBACK collect(HWND child, LPARAM names) {
    wchar_t windowClass[32] = {};
    GetClassNameW(child, windowClass, 32);
    if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) // the hidden fields hold no names
        reinterpret_cast<std::multimap<std::wstring, std::wstring>*>(names)->emplace(
            windowClass, accessibleName(child));
    return TRUE;
}

TEST(Accessibility, EachControlIsNamedByItsCaption) {
    if (onWine())
        GTEST_SKIP() << "Wine's accessibility layer keeps no names of controls";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0,
                                  800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window);
    const FormModel form = InitialForm();
    const drawing::PixelGrid grid = drawing::PixelGrid::forDotsPerInch(96);
    {
        NativeControls controls(window, form, grid, 96, {});
        std::multimap<std::wstring, std::wstring> heard;
        EnumChildWindows(window, collect, reinterpret_cast<LPARAM>(&heard));
        EXPECT_EQ(heard, Names);
    }
    DestroyWindow(window);
    CoUninitialize();
}

} // namespace
} // namespace molen::win32
