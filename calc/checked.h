// SPDX-License-Identifier: MIT
// A double that remembers whether any step leading to it went wrong, so that the gain formula
// can be written once, exactly as grouped on paper, and still stop at the first bad step.
#pragma once

#include <cmath>
#include <optional>

namespace calc {

class Checked {
public:
    // Implicit, so that the formula's constants (6.28, 1000, 1000000000) mix in as they stand.
    Checked(double value) : m_value(value), m_ok(std::isfinite(value)) {}
    Checked(std::optional<double> value) : Checked(value.value_or(0.0)) {
        m_ok = m_ok && value.has_value();
    }

    [[nodiscard]] bool ok() const { return m_ok; }
    [[nodiscard]] double value() const { return m_value; }

    friend Checked operator+(Checked a, Checked b) {
        return Checked(a.m_value + b.m_value, a.m_ok && b.m_ok);
    }
    friend Checked operator*(Checked a, Checked b) {
        return Checked(a.m_value * b.m_value, a.m_ok && b.m_ok);
    }
    // A zero divisor fails the step instead of producing an infinity.
    friend Checked operator/(Checked a, Checked b) {
        if (b.m_value == 0.0) {
            return Checked(0.0, false);
        }
        return Checked(a.m_value / b.m_value, a.m_ok && b.m_ok);
    }

private:
    Checked(double value, bool ok) : m_value(value), m_ok(ok && std::isfinite(value)) {}

    double m_value;
    bool m_ok;
};

}  // namespace calc
