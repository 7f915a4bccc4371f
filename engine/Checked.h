#pragma once

// The arithmetic of "a step whose arithmetic fails is skipped".
//
// Every calculation of the program runs as a sequence of steps; a step whose
// arithmetic fails (division by zero, the logarithm of zero or of a negative
// number, a fractional power of a negative number, overflow) is abandoned and
// leaves its quantity unchanged. A `Checked` carries a double together with a
// sticky failure mark: any operation whose result is not finite marks it, and the
// mark survives every later operation, so a failure that a later operation would
// hide (x / inf == 0, pow(nan, 0) == 1) still fails the step. Each operation is
// plain IEEE double arithmetic in the order the expression is written.

#include <cmath>

namespace pelmora {

class Checked
{
public:
    Checked(double v) // NOLINT(google-explicit-constructor): literals mix freely
        : m_value(v), m_ok(std::isfinite(v))
    {
    }

    double value() const { return m_value; }
    bool ok() const { return m_ok; }

    friend Checked operator+(Checked a, Checked b) { return make(a.m_value + b.m_value, a, b); }
    friend Checked operator-(Checked a, Checked b) { return make(a.m_value - b.m_value, a, b); }
    friend Checked operator*(Checked a, Checked b) { return make(a.m_value * b.m_value, a, b); }
    // x / 0 gives an infinity (or NaN for 0 / 0), which fails the step.
    friend Checked operator/(Checked a, Checked b) { return make(a.m_value / b.m_value, a, b); }
    friend Checked operator-(Checked a) { return Checked(-a.m_value, a.m_ok); }

    // pow(negative, fraction) is NaN and pow(0, negative) is infinite: both fail.
    friend Checked pow(Checked base, Checked exponent)
    {
        return make(std::pow(base.m_value, exponent.m_value), base, exponent);
    }
    // log(0) is -inf and log(negative) is NaN: both fail.
    friend Checked log(Checked x) { return Checked(std::log(x.m_value), x.m_ok); }
    friend Checked abs(Checked x) { return Checked(std::fabs(x.m_value), x.m_ok); }

private:
    Checked(double v, bool inputsOk) : m_value(v), m_ok(inputsOk && std::isfinite(v)) {}
    static Checked make(double v, Checked a, Checked b) { return Checked(v, a.m_ok && b.m_ok); }

    double m_value;
    bool m_ok;
};

// Runs one step: the quantity takes the computed value only when no operation of
// the step failed. Returns whether the step succeeded.
inline bool assignStep(double &quantity, Checked computed)
{
    if (!computed.ok())
        return false;
    quantity = computed.value();
    return true;
}

} // namespace pelmora
