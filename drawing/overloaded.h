// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One visitor made of several lambdas, for std::visit over a variant's alternatives.
#pragma once

namespace molen {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Clang before 17 deduces no template arguments for aggregates without a guide.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace molen
