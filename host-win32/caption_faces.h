// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The captions' face, Liberation Sans, built into the program as resources (molen.rc) so that
// every caption lays out the same whatever fonts the system has; the program's own, seen by no
// other program.
#pragma once

namespace molen::win32 {

// Hands the built-in faces to GDI; false where one could not be.
bool loadCaptionFaces();

} // namespace molen::win32
