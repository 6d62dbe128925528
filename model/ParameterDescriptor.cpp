#include "ParameterDescriptor.h"

#include <cmath>

namespace {

// Whether a and b are the same setting. The comparison is on the stored display
// value, not on the raw encodings: pages show the stored value, and a value that
// was entered off the raw grid (an I²t time constant computed from a trip time,
// an off value typed below the minimum) and then comes back from the inverter as
// its raw neighbour changes what is shown, which equal raw encodings would hide.
// Exact equality would instead report changes for one number reached by two
// ways of computing it (0.5 - 0.1 against 0.4), so the tolerance is a millionth
// of one resolution step.
bool sameValue(double a, double b, int32_t divisor)
{
    return std::fabs(a - b) <= 1e-6 / divisor;
}

bool storeCode(ParameterDescriptor &d, uint16_t code)
{
    if (!d.enumeration.contains(code) || d.value == code)
        return false;
    d.value = code;
    return true;
}

bool commit(ParameterDescriptor &d, double value, int32_t isOff)
{
    const bool changed = !sameValue(value, d.value, d.divisor);
    d.value = value;
    d.isOff = isOff;
    return changed;
}

} // namespace

bool ParameterDescriptor::storeRaw(uint16_t raw)
{
    if (isEnumeration())
        return storeCode(*this, raw);

    // Offset encoding where the range includes negative values: raw 0 is the minimum.
    double v = double(raw) / divisor;
    if (minimum < 0)
        v += minimum;

    if (v < minimum) {
        if (hasOffState)
            return commit(*this, minimum - 1.0 / divisor, 1);
        v = minimum;
    } else if (v > maximum) {
        v = maximum;
    }
    return commit(*this, v, 0);
}

uint16_t ParameterDescriptor::raw() const
{
    if (hasOffState && isOff && value < minimum)
        return 0;

    const double scaled = (minimum < 0 ? value - minimum : value) * divisor;
    // Half up. The small bias keeps a half step that the multiplication left a
    // hair below .5 (0.5005 * 1000 gives 500.49999999999994) from rounding down.
    const double rounded = std::floor(scaled + 0.5 + 1e-9);
    // Stored values stay within limits that fit 16 bits, so this only matters for
    // a value that bypassed clamping. It saturates instead of wrapping: a wrapped
    // value (-1 as 65535) would reach the inverter as a plausible wrong setting,
    // a saturated one stays at the correct end of the range and the inverter's
    // own range check still sees it. NaN gives 0.
    if (!(rounded >= 0))
        return 0;
    if (rounded > 0xFFFF)
        return 0xFFFF;
    return uint16_t(rounded);
}

bool ParameterDescriptor::storeValue(double displayValue)
{
    if (std::isnan(displayValue))
        return false;

    if (isEnumeration()) {
        if (displayValue < 0 || displayValue > 0xFFFF || displayValue != std::floor(displayValue))
            return false;
        return storeCode(*this, uint16_t(displayValue));
    }

    // Below the minimum the entry is kept as it is when it means off; the raw
    // value then becomes 0.
    if (displayValue < minimum) {
        if (hasOffState)
            return commit(*this, displayValue, 1);
        return commit(*this, minimum, 0);
    }
    return commit(*this, std::fmin(displayValue, maximum), 0);
}
