// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boundary.h"

#include "change_report.h"
#include "control_numbers.h"
#include "mill/events.h"
#include "model/errors.h"
#include "model/initial_form.h"

#include <limits>
#include <memory>
#include <string>

namespace {

using namespace molen;

std::unique_ptr<FormModel> form;
ChangeReport report;

const Control& control(int id) { return form->controls()[static_cast<ControlId>(id)]; }

} // namespace

extern "C" {

int molen_start() {
    form = std::make_unique<FormModel>(InitialForm());
    report = ChangeReport();
    molen_deliver(static_cast<int>(MillEvent::Load)); // the page paints the loaded form first
    return static_cast<int>(form->controls().size());
}

int molen_deliver(int event) {
    // An error ends the procedure at the failing step; what it set before stays set and is shown.
    runProcedure(*form, static_cast<MillEvent>(event));
    return molen_collect_changes();
}

int molen_tick_of(int id) {
    const auto tick = tickOf(static_cast<ControlId>(id));
    return tick ? static_cast<int>(*tick) : -1;
}

int molen_collect_changes() { return report.collect(*form); }

int molen_changed(int i) { return report.changed(i); }

int molen_kind(int id) { return static_cast<int>(control(id).data.index()); }

const char* molen_name(int id) { return control(id).Name.c_str(); }

int molen_index(int id) { return control(id).Index.value_or(-1); }

const char* molen_text(int id) { return textOf(control(id).data).c_str(); }

double molen_number(int id, int property) { return numberOf(control(id).data, property); }

void molen_set_text(int id, const char* text) {
    form->edit<TextBox>(static_cast<ControlId>(id)).Text = text;
}

int molen_set_value(int id, int value) {
    try {
        form->edit<ScrollBar>(static_cast<ControlId>(id)).setValue(value);
        return 1;
    } catch (const ProcedureError&) {
        return 0; // a value outside Min..Max leaves the bar as it was
    }
}

const char* molen_form_caption() { return form->form().Caption.c_str(); }

double molen_form_number(int property) {
    const FormProperties& properties = form->form();
    switch (property) {
    case 0:
        return properties.ClientWidth;
    case 1:
        return properties.ClientHeight;
    case 2:
        return properties.Width;
    case 3:
        return colourNumber(properties.BackColor);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

void molen_set_form_width(double twips) { form->setWidth(static_cast<float>(twips)); }
}
