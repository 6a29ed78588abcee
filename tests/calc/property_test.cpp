// SPDX-License-Identifier: MIT
// Properties of the reading and the shown gain over thousands of generated texts. The seed is
// fixed, so a failure shows up again on every run, with the text that caused it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "calc/gain.h"
#include "tests/calc/comma_locale.h"

namespace {

constexpr std::uint64_t kSeed = 0x5EED'CA1C'0000'0001;

std::uint64_t Bits(double d) {
    return std::bit_cast<std::uint64_t>(d);
}

// Any number in [0, bound).
std::size_t Below(std::mt19937_64& rng, std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(rng);
}

bool Coin(std::mt19937_64& rng) {
    return (rng() & 1) != 0;
}

// Blanks count for nothing anywhere in a field, inside a number too.
std::string WithBlanks(std::string text, std::mt19937_64& rng) {
    static constexpr std::array<char, 3> kBlanks = {' ', '\t', '\n'};
    const std::size_t count = 1 + Below(rng, 4);
    for (std::size_t i = 0; i < count; ++i) {
        text.insert(Below(rng, text.size() + 1), 1, kBlanks[Below(rng, kBlanks.size())]);
    }
    return text;
}

std::string ShortestText(double d) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), d);
    return std::string(buffer.data(), result.ptr);
}

TEST(ReadNumberProperty, ShortestTextOfEveryDoubleReadsBackBitForBit) {
    using limits = std::numeric_limits<double>;
    std::vector<double> values = {
        0.0,
        -0.0,
        limits::denorm_min(),
        -limits::denorm_min(),
        std::nextafter(limits::min(), 0.0),  // the largest subnormal
        limits::min(),
        -limits::min(),
        std::nextafter(limits::min(), 1.0),
        limits::max(),
        limits::lowest(),
        std::nextafter(limits::max(), 0.0),
        1.0,
        std::nextafter(1.0, 2.0),
        0.1,
        9007199254740993.0,
        1e15,
        1e-5,
    };
    std::mt19937_64 rng(kSeed);
    while (values.size() < 5000) {
        const double d = std::bit_cast<double>(rng());
        if (std::isfinite(d)) {
            values.push_back(d);
        }
    }

    for (const double d : values) {
        std::string text = ShortestText(d);
        // A negative zero must come back negative too: the sign is applied after the digits are
        // read, so nothing makes a difference between the zeros unavoidable.
        const std::optional<double> read = calc::ReadNumber(text);
        ASSERT_TRUE(read.has_value()) << text;
        ASSERT_EQ(Bits(*read), Bits(d)) << text << " read as " << ShortestText(*read);

        // The exponent letter may be typed in either case.
        if (const std::size_t e = text.find('e'); e != std::string::npos && Coin(rng)) {
            text[e] = 'E';
        }
        const std::string spaced = WithBlanks(text, rng);
        const std::optional<double> readSpaced = calc::ReadNumber(spaced);
        ASSERT_TRUE(readSpaced.has_value()) << '"' << spaced << '"';
        ASSERT_EQ(Bits(*readSpaced), Bits(d))
            << '"' << spaced << "\" read as " << ShortestText(*readSpaced);
    }
}

// What an &H or &O text must read as, worked out another way than the reading does: the C
// library's conversion of the digits, then the two's complement of 16 or 32 bits by arithmetic.
std::optional<double> RadixReference(const std::string& digits, int base) {
    errno = 0;
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, base);
    if (errno == ERANGE || value > 0xFFFF'FFFFull) {
        return std::nullopt;
    }
    const double v = static_cast<double>(value);
    if (value <= 0xFFFF) {
        return value >= 0x8000 ? v - 65536.0 : v;
    }
    return value >= 0x8000'0000ull ? v - 4294967296.0 : v;
}

TEST(ReadNumberProperty, HexAndOctalAgreeWithAnIndependentConversion) {
    const std::uint64_t kEdges[] = {0,          0x7FFF,      0x8000,      0xFFFF,     0x10000,
                                    0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu, 0x100000000};
    std::mt19937_64 rng(kSeed);
    std::vector<std::uint64_t> values;
    for (const std::uint64_t edge : kEdges) {
        for (std::uint64_t delta = 0; delta <= 3; ++delta) {
            values.push_back(edge + delta);
            if (edge >= delta) {
                values.push_back(edge - delta);
            }
        }
        for (int i = 0; i < 40; ++i) {
            const std::uint64_t delta = Below(rng, 5000);
            values.push_back(edge + delta);
            if (edge >= delta) {
                values.push_back(edge - delta);
            }
        }
    }
    values.push_back(0xFFFF'FFFF'FFFF'FFFFull);  // too wide for 32 bits by far

    for (const std::uint64_t value : values) {
        for (const int base : {16, 8}) {
            std::array<char, 32> buffer{};
            const auto end =
                std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, base);
            std::string digits(Below(rng, 3) == 0 ? Below(rng, 12) + 1 : 0, '0');
            for (const char* c = buffer.data(); c != end.ptr; ++c) {
                digits += Coin(rng)
                              ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c)))
                              : *c;
            }
            std::string text = base == 16 ? (Coin(rng) ? "&H" : "&h") : (Coin(rng) ? "&O" : "&o");
            text += digits;
            if (Below(rng, 4) == 0) {
                text = WithBlanks(text, rng);
            }

            const std::optional<double> expected = RadixReference(digits, base);
            const std::optional<double> read = calc::ReadNumber(text);
            ASSERT_EQ(read.has_value(), expected.has_value()) << '"' << text << '"';
            if (read) {
                ASSERT_EQ(*read, *expected) << '"' << text << '"';
            }
        }
    }
}

TEST(FormatGainProperty, ShownGainReadsBackAsTheRoundedValue) {
    std::mt19937_64 rng(kSeed);
    for (int i = 0; i < 5000; ++i) {
        double gain = 0.0;
        if (i % 4 == 0) {
            // Halfway between two tenths as far as the decimal text goes: where rounding errs.
            const auto twentieths =
                static_cast<std::int64_t>(Below(rng, 2'000'000'000)) - 1'000'000'000;
            gain = static_cast<double>(2 * twentieths + 1) / 20;
        } else {
            const double mantissa = std::uniform_real_distribution<double>(1.0, 2.0)(rng);
            const int exponent = static_cast<int>(Below(rng, 48)) - 5;  // up to 2^43 < 10^13
            gain = std::ldexp(Coin(rng) ? -mantissa : mantissa, exponent);
        }
        const double rounded = std::nearbyint(gain * 10) / 10;

        const std::optional<std::string> shown = calc::FormatGain(gain, ".");
        ASSERT_TRUE(shown.has_value()) << ShortestText(gain);
        ASSERT_NE(*shown, "-0") << ShortestText(gain);
        const std::optional<double> back = calc::ReadNumber(*shown);
        ASSERT_TRUE(back.has_value()) << *shown;
        ASSERT_EQ(*back, rounded) << ShortestText(gain) << " shown as " << *shown;
    }
}

// A field text as a user might type it: a number near the field's usual size, in one of its
// many forms. Some forms carry a comma, the very character a Russian C library would take for
// the decimal point.
std::string FieldText(double typical, std::mt19937_64& rng) {
    const double value = typical * std::pow(10.0, std::uniform_real_distribution(-1.0, 1.0)(rng));
    std::array<char, 64> buffer{};
    char* const first = buffer.data();
    char* const last = buffer.data() + buffer.size();
    std::string text;
    switch (Below(rng, 7)) {
        case 0:
            text.assign(first, std::to_chars(first, last, value).ptr);
            break;
        case 1:
            text.assign(first, std::to_chars(first, last, value, std::chars_format::fixed, 3).ptr);
            break;
        case 2:
            text.assign(first,
                        std::to_chars(first, last, value, std::chars_format::scientific, 4).ptr);
            break;
        case 3:  // a decimal comma: the reading stops there
            text.assign(first, std::to_chars(first, last, value, std::chars_format::fixed, 2).ptr);
            text[text.find('.')] = ',';
            break;
        case 4:
            text =
                "&H" +
                std::string(first,
                            std::to_chars(first, last, static_cast<std::uint32_t>(value), 16).ptr);
            break;
        case 5:
            text.assign(first, std::to_chars(first, last, value, std::chars_format::fixed, 1).ptr);
            text += Coin(rng) ? " kOhm" : "nF";
            break;
        default:
            text.assign(first,
                        std::to_chars(first, last, value, std::chars_format::general, 6).ptr);
            text = WithBlanks(text, rng);
            break;
    }
    return text;
}

// Puts the whole process back into the C locale however the test ends.
struct CLocaleAfterwards {
    CLocaleAfterwards() = default;
    CLocaleAfterwards(const CLocaleAfterwards&) = delete;
    CLocaleAfterwards& operator=(const CLocaleAfterwards&) = delete;
    ~CLocaleAfterwards() { std::setlocale(LC_ALL, "C"); }
};

TEST(CalculateGainProperty, ResultDoesNotDependOnTheProcessLocale) {
    // The reference circuit's values set the usual size of each field.
    const std::array<double, calc::kInputCount> kTypical = {10, 4700, 33, 22, 100, 1200, 100};
    std::mt19937_64 rng(kSeed);
    std::vector<std::array<std::string, calc::kInputCount>> inputs(300);
    for (std::array<std::string, calc::kInputCount>& texts : inputs) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] = FieldText(kTypical[i], rng);
        }
    }
    const auto calculateAll = [&inputs] {
        std::vector<std::optional<std::string>> shown;
        for (const std::array<std::string, calc::kInputCount>& t : inputs) {
            shown.push_back(calc::CalculateGain(t, "."));
            shown.push_back(calc::CalculateGain(t, ","));
        }
        return shown;
    };

    const CLocaleAfterwards restore;
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const std::vector<std::optional<std::string>> inC = calculateAll();
    // Comparing failures with failures would prove nothing.
    ASSERT_GT(std::count_if(inC.begin(), inC.end(), [](const auto& s) { return s.has_value(); }),
              static_cast<std::ptrdiff_t>(inC.size() / 2));

    ASSERT_NE(std::setlocale(LC_ALL, kCommaLocale), nullptr)
        << kCommaLocale << " is not installed (scripts/install-deps generates it)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::vector<std::optional<std::string>> inRussian = calculateAll();

    for (std::size_t i = 0; i < inC.size(); ++i) {
        const std::array<std::string, calc::kInputCount>& t = inputs[i / 2];
        ASSERT_EQ(inRussian[i], inC[i]) << t[0] << '|' << t[1] << '|' << t[2] << '|' << t[3] << '|'
                                        << t[4] << '|' << t[5] << '|' << t[6];
    }
}

}  // namespace
