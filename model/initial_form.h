// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The form as it is when the window is created, before its load procedure runs.
#pragma once

#include "form_model.h"

namespace molen {

FormModel InitialForm();

} // namespace molen
