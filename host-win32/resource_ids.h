// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's resources (molen.rc), read by both the resource compiler and C++.
#pragma once

#define MillIcon 1
#define RegularFace 101
#define BoldFace 102
