#include "import/ScaledImport.h"

#include "import/LinearLight.h"

#include <algorithm>

namespace {

using namespace linearlight;

// Brightness and contrast on a channel value 0..255 (unclamped in, clamped out).
struct ChannelAdjust
{
    double gain = 1;
    double offset = 0;
    bool identity = true;
    explicit ChannelAdjust(const ScaleSettings &s)
        : gain(1 + std::clamp(s.contrast, -100, 100) / 100.0),
          offset(std::clamp(s.brightness, -100, 100) * 2.55),
          identity(s.contrast == 0 && s.brightness == 0)
    {
    }
    double operator()(double value) const
    {
        return std::clamp((value - 127.5) * gain + 127.5 + offset, 0.0, 255.0);
    }
};

// Luminance in linear light of each covered pixel, after brightness and contrast
// (which work on the channel values, as a user sees them); inverted where asked.
std::vector<float> luminance(const PlacedPicture &placed, const ScaleSettings &settings)
{
    const ChannelAdjust adjust(settings);
    auto channel = [&](float linear) -> double {
        if (adjust.identity)
            return linear;
        return decodeSrgb(adjust(encodeSrgb(std::clamp(linear, 0.0f, 1.0f)) * 255.0) / 255.0);
    };
    std::vector<float> out(placed.covered.size(), 1.0f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!placed.covered[i])
            continue;
        const double y = 0.2126 * channel(placed.colour.red[i]) + 0.7152 * channel(placed.colour.green[i]) +
                         0.0722 * channel(placed.colour.blue[i]);
        out[i] = float(settings.invert ? 1.0 - y : y);
    }
    return out;
}

// A pixel is black when its luminance, as the grey value 0..255 of that brightness, is below
// the threshold. The weights add up to one, so a grey keeps its own value and 128 is File >
// Import's mid grey for greys, while yellow counts as light and navy as dark.
PixelGrid thresholdPicture(const PlacedPicture &placed, const ScaleSettings &settings)
{
    ScaleSettings upright = settings;
    upright.invert = false;
    const std::vector<float> light = luminance(placed, upright);
    const int limit = std::clamp(settings.threshold, 0, 256);
    PixelGrid grid(placed.size.width(), placed.size.height());
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            const std::size_t i = std::size_t(y) * grid.width() + x;
            if (placed.covered[i])
                grid.set(x, y, (srgbValue(light[i]) < limit) != settings.invert);
        }
    }
    return grid;
}

// Error diffusion: each covered pixel takes the nearest level (see below), and what it
// was off by goes on to its neighbours that are still to come (covered ones only).
// Rows run alternately left to right and right to left, which avoids diagonal worms.
struct Spread
{
    int dx, dy;
    float share;
};

// The level of each target pixel, 0 (white) to levels - 1 (black), the levels evenly
// spaced in linear light (with 4: 1, 2/3, 1/3 and 0, the share of the time the calculator's
// LCD leaves a pixel clear for white, light grey, dark grey and black). A pixel takes the
// nearest level, a tie the lighter one: with 2 levels black is below half brightness.
uint8_t nearestLevel(float light, int levels)
{
    const float steps = float(levels - 1);
    return uint8_t(std::clamp(levels - 1 - int(std::floor(light * steps + 0.5f)), 0, levels - 1));
}

float lightOf(uint8_t level, int levels) { return 1.0f - float(level) / float(levels - 1); }

std::vector<uint8_t> diffuseLevels(const PlacedPicture &placed, const ScaleSettings &settings, int levels)
{
    static const Spread floydSteinberg[] = {{1, 0, 7 / 16.f}, {-1, 1, 3 / 16.f}, {0, 1, 5 / 16.f}, {1, 1, 1 / 16.f}};
    // Atkinson's wider neighbourhood. Its usual shares of 1/8 pass on only three quarters of
    // the error, which in linear light closes up everything below 1/8 brightness (four in ten
    // channel values) into black: the whole error is passed on here, in equal shares.
    static const Spread atkinson[] = {{1, 0, 1 / 6.f}, {2, 0, 1 / 6.f}, {-1, 1, 1 / 6.f},
                                      {0, 1, 1 / 6.f}, {1, 1, 1 / 6.f}, {0, 2, 1 / 6.f}};
    const bool fs = settings.tone == Tone::FloydSteinberg;
    const std::span<const Spread> spread = fs ? std::span<const Spread>(floydSteinberg) : std::span<const Spread>(atkinson);

    std::vector<float> value = luminance(placed, settings);
    const int w = placed.size.width(), h = placed.size.height();
    std::vector<uint8_t> out(value.size(), 0);
    for (int y = 0; y < h; ++y) {
        const bool forward = y % 2 == 0;
        for (int n = 0; n < w; ++n) {
            const int x = forward ? n : w - 1 - n;
            const std::size_t i = std::size_t(y) * w + x;
            if (!placed.covered[i])
                continue;
            out[i] = nearestLevel(value[i], levels);
            const float error = value[i] - lightOf(out[i], levels);
            for (const Spread &s : spread) {
                const int nx = x + (forward ? s.dx : -s.dx), ny = y + s.dy;
                if (nx < 0 || nx >= w || ny >= h)
                    continue;
                const std::size_t j = std::size_t(ny) * w + nx;
                if (placed.covered[j])
                    value[j] += error * s.share;
            }
        }
    }
    return out;
}

// Four levels by thresholds: each covered pixel the nearest level in linear light (the
// cuts halfway between the levels' light, at 1/6, 1/2 and 5/6).
std::vector<uint8_t> nearestLevels(const PlacedPicture &placed, const ScaleSettings &settings, int levels)
{
    const std::vector<float> value = luminance(placed, settings);
    std::vector<uint8_t> out(value.size(), 0);
    for (std::size_t i = 0; i < value.size(); ++i)
        if (placed.covered[i])
            out[i] = nearestLevel(value[i], levels);
    return out;
}

} // namespace

PixelGrid tonePicture(const PlacedPicture &placed, const ScaleSettings &settings)
{
    if (settings.tone == Tone::Threshold)
        return thresholdPicture(placed, settings);
    const std::vector<uint8_t> levels = diffuseLevels(placed, settings, 2);
    PixelGrid grid(placed.size.width(), placed.size.height());
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            grid.set(x, y, levels[std::size_t(y) * grid.width() + x] != 0);
    return grid;
}

GreyPicture toneGreyPicture(const PlacedPicture &placed, const ScaleSettings &settings)
{
    const std::vector<uint8_t> levels = settings.tone == Tone::Threshold ? nearestLevels(placed, settings, 4)
                                                                          : diffuseLevels(placed, settings, 4);
    GreyPicture picture(placed.size.width(), placed.size.height());
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.setLevel(x, y, static_cast<GreyLevel>(levels[std::size_t(y) * picture.width + x]));
    return picture;
}

PixelGrid toneLevels(const PlacedPicture &placed, const ScaleSettings &settings, int levels)
{
    return levels == 4 ? levelsFromGrey(toneGreyPicture(placed, settings)) : tonePicture(placed, settings);
}

PixelGrid importedLevels(const PixelGrid &toned, int tonedLevels, const PixelGrid &beneath, int beneathLevels,
                         bool replace)
{
    const bool grey = tonedLevels == 4 || beneathLevels == 4;
    // A black-and-white cell as a level where the grid becomes grey: black is both planes.
    const auto level = [grey](uint8_t value, int levels) { return uint8_t(grey && levels != 4 && value ? 3 : value); };
    PixelGrid out(beneath.width(), beneath.height());
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const bool reached = x < toned.width() && y < toned.height();
            const uint8_t value = reached ? toned.at(x, y) : 0;
            if (value || (reached && replace))
                out.put(x, y, level(value, tonedLevels));
            else
                out.put(x, y, level(beneath.at(x, y), beneathLevels));
        }
    return out;
}

PixelGrid scaledPixels(const ScaleSource &source, const ScaleSettings &settings)
{
    return tonePicture(placePicture(source, settings.placement), settings);
}

GreyPicture scaledGrey(const ScaleSource &source, const ScaleSettings &settings)
{
    return toneGreyPicture(placePicture(source, settings.placement), settings);
}
