// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host-win32/caption_faces.h"

#include "host-win32/resource_ids.h"

#include <windows.h>

namespace molen::win32 {
namespace {

bool loadFace(int resource) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resource), MAKEINTRESOURCEW(10)); // RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD faces = 0;
    return bytes && AddFontMemResourceEx(bytes, SizeofResource(module, found), nullptr, &faces);
}

} // namespace

bool loadCaptionFaces() {
    const bool regular = loadFace(RegularFace);
    return loadFace(BoldFace) && regular;
}

} // namespace molen::win32
