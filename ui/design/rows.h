// SPDX-License-Identifier: MIT
// The one walk over a window's controls. Every builder goes through it, so a new kind of
// control is a compile error in each builder until that builder shows it.
#pragma once

#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/design/design.h"

namespace ui {

// One row of a window's table, of whichever kind it is.
using Row = std::variant<const FieldDesign*, const PictureDesign*, const LabelDesign*,
                         const ButtonDesign*, const LineDesign*>;

// Every row of the window, kind after kind in the order WindowDesign holds them; where a builder
// keeps this order, each kind lies above the one before it.
std::vector<Row> Rows(const WindowDesign& design);

template <typename... Handlers>
struct Overloads : Handlers... {
    using Handlers::operator()...;
};

// Hands the row to the handler for its kind. Handlers that miss a kind do not compile.
template <typename... Handlers>
decltype(auto) Visit(const Row& row, Handlers&&... handlers) {
    const Overloads<std::decay_t<Handlers>...> handle{std::forward<Handlers>(handlers)...};
    return std::visit([&](const auto* design) -> decltype(auto) { return handle(*design); }, row);
}

// The row's design if it is of that kind, else null.
template <typename Kind>
const Kind* As(const Row& row) {
    const Kind* const* design = std::get_if<const Kind*>(&row);
    return design ? *design : nullptr;
}

std::string_view Name(const Row& row);

// The row's place in the tab order; empty for the kinds that never take the focus.
std::optional<int> TabIndex(const Row& row);

// Where the row lies in its window. A line's box runs from one end to the other, so a level or
// upright line has no height or width.
TwipsRect Box(const Row& row);

}  // namespace ui
