#pragma once

#include <cmath>
#include <cstdint>

// Conversions of fractional picture positions to whole pixels.
//
// roundDown is the calculator-BASIC style Int: toward minus infinity, so -0.5 gives -1.
// roundHalfEven is CInt: to the nearest whole number, halves to the even one (2.5 -> 2).
inline int roundDown(double v) { return static_cast<int>(std::floor(v)); }

inline int roundHalfEven(double v)
{
    return static_cast<int>(std::nearbyint(v)); // default FE_TONEAREST: ties to even
}

// Sign of a difference: -1, 0 or 1.
inline int sign(double v) { return (v > 0) - (v < 0); }
