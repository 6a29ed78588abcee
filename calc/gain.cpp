// SPDX-License-Identifier: MIT
#include "calc/gain.h"

#include <algorithm>

#include "calc/checked.h"

namespace calc {
namespace {

Checked Read(const InputTexts& texts, Input input) {
    return Checked(ReadNumber(texts[Index(input)]));
}

}  // namespace

std::optional<GainSteps> ComputeGain(const InputTexts& texts) {
    // 6.28 rather than two pi, on purpose: the stage was designed with this figure, and the
    // reference values must give 53.1 (two pi would move the fourth digit).
    const Checked F = Read(texts, Input::F) * 1000.0;
    const Checked C2 = Read(texts, Input::C2) / 1000000000000.0;
    const Checked X2 = 1 / ((6.28 * F) * C2);
    // C5 stays in nanofarads; its reactance divides by 10^9 instead.
    const Checked C5 = Read(texts, Input::C5);
    const Checked X5 = 1 / (((6.28 * F) * C5) / 1000000000);
    const Checked C7 = Read(texts, Input::C7) / 1000000000000.0;
    const Checked X7 = 1 / ((6.28 * F) * C7);
    // Reactances add to resistances as plain magnitudes: the stage is judged by this scalar
    // estimate, not by complex impedances.
    const Checked ZA = Read(texts, Input::R5) * 1000 + X2;
    const Checked ZB = Read(texts, Input::R6) + X5;
    const Checked R9 = Read(texts, Input::R9) * 1000.0;
    const Checked ZF = (R9 * X7) / (R9 + X7);
    const Checked ZIN = (ZB * ZA) / (ZB + ZA);
    const Checked K = ZF / ZIN;

    if (!K.ok()) {
        return std::nullopt;
    }
    return GainSteps{X2.value(), X5.value(), X7.value(), ZF.value(), ZIN.value(), K.value()};
}

std::optional<std::string> CalculateGain(const InputTexts& texts,
                                         std::string_view decimalSeparator) {
    const std::optional<GainSteps> steps = ComputeGain(texts);
    if (!steps) {
        return std::nullopt;
    }
    return FormatGain(steps->K, decimalSeparator);
}

std::optional<std::string> CalculateGain(const std::array<std::string, kInputCount>& texts,
                                         std::string_view decimalSeparator) {
    InputTexts views;
    std::copy(texts.begin(), texts.end(), views.begin());
    return CalculateGain(views, decimalSeparator);
}

}  // namespace calc
