// SPDX-License-Identifier: MIT
// The gain of the detector's input op-amp stage, computed from the texts typed into the fields.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/inputs.h"

namespace calc {

// Every intermediate value of one calculation, in ohms (K is the gain itself).
struct GainSteps {
    double X2;   // reactance of C2
    double X5;   // reactance of C5
    double X7;   // reactance of C7
    double ZF;   // R9 parallel to C7: the feedback branch
    double ZIN;  // R5 + C2 parallel to R6 + C5: the input branches
    double K;
};

// Reads one field text leniently: blanks are skipped anywhere, reading stops at the first
// character that cannot continue the number, and no number at all reads as 0. Empty when the
// number does not fit: beyond the range of a double, or an &H/&O value wider than 32 bits.
std::optional<double> ReadNumber(std::string_view text);

// Runs the whole formula over the texts in the units the fields show (F in kHz, C2 and C7 in pF,
// C5 in nF, R5 and R9 in kOhm, R6 in Ohm); empty when a step divides by zero or leaves the
// finite numbers.
std::optional<GainSteps> ComputeGain(const InputTexts& texts);

// The gain rounded to a tenth, as text with the given decimal separator; empty for a value
// that cannot be shown (not finite, or too large to round).
std::optional<std::string> FormatGain(double gain, std::string_view decimalSeparator);

// What "Расчет" shows: the formatted gain, or nothing when the calculation fails.
std::optional<std::string> CalculateGain(const InputTexts& texts,
                                         std::string_view decimalSeparator);

// The same for texts a window hands over as it read them from its fields, in the order of Input.
std::optional<std::string> CalculateGain(const std::array<std::string, kInputCount>& texts,
                                         std::string_view decimalSeparator);

}  // namespace calc
