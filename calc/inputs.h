// SPDX-License-Identifier: MIT
// What the calculation reads: its inputs, their names and their order. Header-only, so that the
// windows' tables can say which field feeds which input without linking the calculation.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace calc {

// The inputs in the order the calculation reads them.
enum class Input : std::size_t { F, C2, C5, C7, R5, R6, R9 };

// Their names, in the same order: the columns of the case tables the tests read.
inline constexpr auto kInputNames =
    std::to_array<std::string_view>({"F", "C2", "C5", "C7", "R5", "R6", "R9"});

inline constexpr std::size_t kInputCount = kInputNames.size();
static_assert(static_cast<std::size_t>(Input::R9) + 1 == kInputCount,
              "every input has a name, in the order of Input");

constexpr std::size_t Index(Input input) {
    return static_cast<std::size_t>(input);
}

// One text per input, as typed, in the order of Input.
using InputTexts = std::array<std::string_view, kInputCount>;

}  // namespace calc
