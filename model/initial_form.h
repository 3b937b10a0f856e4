// The form as it is when the window is created, before its load procedure runs.
#pragma once

#include "form_model.h"

namespace molen {

FormModel InitialForm();

} // namespace molen
