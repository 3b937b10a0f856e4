// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program on Windows: the mill's window, until it is closed. It takes no command line.
#include "host-win32/caption_faces.h"
#include "host-win32/mill_window.h"
#include "model/initial_form.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // for the controls' accessible names
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Gdiplus::GdiplusStartupInput gdiplus;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplus, nullptr);
    molen::win32::loadCaptionFaces();
    int status = 0;
    {
        molen::win32::MillWindow window(molen::InitialForm());
        status = window.run();
    }
    Gdiplus::GdiplusShutdown(gdiplusToken);
    CoUninitialize();
    return status;
}
