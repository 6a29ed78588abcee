// SPDX-License-Identifier: MIT
// Whatever reaches the seven fields, the calculation either fails cleanly or gives finite
// numbers, and a shown gain reads back as exactly the value it stands for. Every broken promise
// aborts, so libFuzzer keeps the input that broke it.
//
// One input feeds all the checks:
//  - the whole input is read as a single field text;
//  - split on '|', it gives the field texts F|C2|C5|C7|R5|R6|R9 (missing ones are empty, the
//    last one takes the rest, '|' included);
//  - its first eight bytes give two doubles for FormatGain: their raw bit pattern, and a
//    value of moderate size built from them, since raw bit patterns almost never land in the
//    range a gain is shown in.
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "calc/gain.h"

namespace {

constexpr char kFieldSeparator = '|';

// Below this the shown text keeps every digit of the rounded value (at most 14 significant
// digits against the 15 written), so reading it back must give that value exactly.
constexpr double kExactRoundTripBelow = 1e13;

[[noreturn]] void Violated(const char* what, std::string_view text, double value) {
    std::fprintf(stderr, "\nproperty violated: %s\n  text: \"%.*s\"\n  value: %.17g\n", what,
                 static_cast<int>(text.size()), text.data(), value);
    std::abort();
}

void Require(bool holds, const char* what, std::string_view text = {}, double value = 0.0) {
    if (!holds) {
        Violated(what, text, value);
    }
}

std::optional<double> CheckReading(std::string_view text) {
    const std::optional<double> value = calc::ReadNumber(text);
    if (value) {
        Require(std::isfinite(*value), "ReadNumber gave NaN or an infinity", text, *value);
    }
    return value;
}

void CheckFormatting(double gain) {
    if (!std::isfinite(gain)) {
        return;
    }
    const std::optional<std::string> shown = calc::FormatGain(gain, ".");
    const double tenths = gain * 10;
    if (!std::isfinite(tenths)) {
        if (shown) {
            Violated("FormatGain showed a gain too large to round", *shown, gain);
        }
        return;
    }
    Require(shown.has_value(), "FormatGain refused a finite gain that can be rounded", {}, gain);
    Require(!shown->empty(), "FormatGain gave an empty text", *shown, gain);
    Require(*shown != "-0", "FormatGain wrote a negative zero", *shown, gain);

    std::string withComma = *shown;
    for (char& c : withComma) {
        if (c == '.') {
            c = ',';
        }
    }
    Require(calc::FormatGain(gain, ",") == withComma,
            "FormatGain with a comma differs from the text with a full stop", *shown, gain);

    const double rounded = std::nearbyint(tenths) / 10;
    if (std::fabs(rounded) < kExactRoundTripBelow) {
        const std::optional<double> back = calc::ReadNumber(*shown);
        Require(back.has_value() && *back == rounded,
                "the shown gain does not read back as the rounded value", *shown, gain);
    }
}

double RawDouble(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

// A mantissa from the high bits and a binary exponent from the low ones: magnitudes from 2^-5
// to 2^45, across tenths, whole numbers and the 10^13 edge of the exact round trip.
double ModerateDouble(std::uint64_t bits) {
    const double mantissa = 1.0 + static_cast<double>(bits >> 12) / 0x1p52;
    const int exponent = static_cast<int>(bits & 0x3F) % 50 - 5;
    const double magnitude = std::ldexp(mantissa, exponent);
    return (bits & 0x40) != 0 ? -magnitude : magnitude;
}

calc::InputTexts SplitFields(std::string_view input) {
    calc::InputTexts fields{};
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        const std::size_t end = input.find(kFieldSeparator);
        if (end == std::string_view::npos) {
            fields[i] = input;
            return fields;
        }
        fields[i] = input.substr(0, end);
        input.remove_prefix(end + 1);
    }
    fields.back() = input;
    return fields;
}

void CheckGain(const calc::InputTexts& texts) {
    const std::optional<calc::GainSteps> steps = calc::ComputeGain(texts);
    if (steps) {
        for (const double step :
             {steps->X2, steps->X5, steps->X7, steps->ZF, steps->ZIN, steps->K}) {
            Require(std::isfinite(step), "ComputeGain gave a step that is not finite", {}, step);
        }
        CheckFormatting(steps->K);
    }
    const std::optional<std::string> shown = calc::CalculateGain(texts, ".");
    if (shown) {
        Require(steps.has_value(), "CalculateGain showed a gain that ComputeGain refused", *shown);
        Require(!shown->empty(), "CalculateGain gave an empty text");
        Require(*shown != "-0", "CalculateGain wrote a negative zero", *shown);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    if (const std::optional<double> whole = CheckReading(input)) {
        CheckFormatting(*whole);
    }

    const std::array<std::string_view, 7> fields = SplitFields(input);
    for (const std::string_view field : fields) {
        if (const std::optional<double> value = CheckReading(field)) {
            CheckFormatting(*value);
        }
    }
    CheckGain(fields);

    std::uint64_t bits = 0;
    if (size > 0) {  // memcpy from the null pointer of an empty input is undefined, even for 0
        std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    }
    CheckFormatting(RawDouble(bits));
    CheckFormatting(ModerateDouble(bits));
    return 0;
}
