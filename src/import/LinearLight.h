#pragma once

// sRGB channel values and linear light, for the scaled import: its averaging and toning
// work in linear light, its threshold and brightness on channel values as a user sees them.

#include <algorithm>
#include <array>
#include <cmath>

namespace linearlight {

inline double decodeSrgb(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }
inline double encodeSrgb(double v) { return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055; }

struct SrgbTables
{
    std::array<float, 256> linear{};    // channel value -> linear light
    std::array<float, 255> boundary{};  // linear light where value k + 1 starts
    SrgbTables()
    {
        for (int k = 0; k < 256; ++k)
            linear[k] = static_cast<float>(decodeSrgb(k / 255.0));
        for (int k = 0; k < 255; ++k)
            boundary[k] = static_cast<float>(decodeSrgb((k + 0.5) / 255.0));
    }
};

inline const SrgbTables &srgb()
{
    static const SrgbTables tables;
    return tables;
}

// The nearest channel value 0..255 to a linear-light value; exact for every value of the table.
inline int srgbValue(float linear)
{
    const auto &b = srgb().boundary;
    return static_cast<int>(std::upper_bound(b.begin(), b.end(), linear) - b.begin());
}

} // namespace linearlight
