#pragma once

#include "document/GreyPicture.h"
#include "document/PixelGrid.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <vector>

// Import Scaled: a picture file of any size turned into black and white pixels on a target
// of the picture's size, scaled to it. Both File > Import Scaled... and dotlark-convert's
// --fit, --fill and --stretch go through here, so they give the same pixels.
//
// The work is split so that the dialog's preview stays fast on a large photo:
//   1. ScaleSource (once per file): the picture composed over white and converted to
//      linear light, reduced by a whole factor where it is far larger than any placement
//      onto the target needs (area averaging);
//   2. placePicture (once per placement): the part shown, area-averaged onto the target;
//   3. tonePicture (on every change of tone, threshold, brightness, contrast or invert):
//      black or white for each target pixel.

enum class Placement {
    Fit,     // the whole picture, aspect kept, centred; white bars where it does not reach
    Fill,    // the target covered, aspect kept, centred; what sticks out is cut
    Stretch, // the whole picture onto the whole target
    Actual,  // 1:1 as File > Import places it: centred where smaller, cut at right and bottom
};

enum class Tone {
    Threshold,      // each pixel by its brightness against the threshold
    FloydSteinberg, // error diffusion, in linear light
    Atkinson,
};

struct ScaleSettings
{
    Placement placement = Placement::Fit;
    Tone tone = Tone::Threshold;
    // 0..256. With Threshold a pixel is black when its luminance, as a grey value 0..255, is
    // below this: for greys 128 is File > Import's mid grey (8421504).
    int threshold = 128;
    bool invert = false;  // black and white swapped inside the placed picture
    int brightness = 0;   // -100..100, added to each channel (100: +255)
    int contrast = 0;     // -100..100, channels spread about 127.5 (100: 2x, -100: flat)

    bool operator==(const ScaleSettings &) const = default;
};

// Where a placement puts the picture: `source` is the part taken, in the picture's own
// pixel coordinates (its whole size `fullSize`); `target` is where it lands. An empty
// target means nothing lands (an empty picture or target).
struct PlacementGeometry
{
    QRectF source;
    QRect target;
};

PlacementGeometry placementGeometry(QSize fullSize, QSize target, Placement placement);

// The picture prepared for scaling onto `target`.
//   scaled:   the whole picture as read for scaling; it may be smaller than fullSize (a JPEG
//             decoded at 1/2, 1/4 or 1/8 of its size) but shows all of it.
//   actual:   the picture's top-left part at its own resolution, at least
//             min(fullSize, target) in each direction (the whole picture will do).
//   fullSize: the picture's size in its file.
// Transparent pixels count as white. A null `scaled` gives a source that places nothing.
// Whatever the picture's size, the copies kept are bounded by the target's (see
// kMaxWorkingPixels), and making them holds no more besides.
class ScaleSource
{
public:
    ScaleSource() = default;
    ScaleSource(const QImage &scaled, const QImage &actual, QSize fullSize, QSize target);
    // A picture read whole: the same image for both.
    ScaleSource(const QImage &picture, QSize target) : ScaleSource(picture, picture, picture.size(), target) {}

    QSize target() const { return m_target; }
    QSize fullSize() const { return m_fullSize; }

    // Linear-light RGB planes, row by row, values 0..1.
    struct Planes
    {
        int width = 0;
        int height = 0;
        std::vector<float> red, green, blue;
    };
    const Planes &working() const { return m_working; } // the reduced whole picture
    const Planes &actual() const { return m_actual; }   // the 1:1 top-left part

    // The most pixels the working copy holds when the whole picture is reduced by one whole
    // factor (12 bytes each: 48 MB). A picture that one factor would leave larger is of a
    // shape far from the target's: it is reduced to the cover size along each axis on its
    // own, and Fill's part apart, each copy then at most the cover size (4 x the target's
    // pixels).
    static constexpr qint64 kMaxWorkingPixels = 4 * 1024 * 1024;

    // The reduced copy a placement other than Actual scales from, and the part of the picture
    // it shows, in the picture's full-size pixels.
    struct Reduced
    {
        const Planes &planes;
        QRectF shows;
    };
    Reduced reducedFor(Placement placement) const;

private:
    QSize m_target;
    QSize m_fullSize;
    Planes m_working;
    Planes m_actual;
    Planes m_fill;      // Fill's part of a picture reduced along each axis on its own; else empty
    QRectF m_fillShows; // that part, in the picture's full-size pixels
};

// The placed picture on the target: linear-light RGB per target pixel, and whether the
// picture covers it (uncovered pixels are never black).
struct PlacedPicture
{
    QSize size;
    ScaleSource::Planes colour;
    std::vector<uint8_t> covered;
};

PlacedPicture placePicture(const ScaleSource &source, Placement placement);

// 1 = black, 0 = white, for every target pixel.
PixelGrid tonePicture(const PlacedPicture &placed, const ScaleSettings &settings);

// Both steps at once.
PixelGrid scaledPixels(const ScaleSource &source, const ScaleSettings &settings);

// Four grey levels instead of black and white, in linear light as the calculator shows them
// (white 1, light grey 2/3, dark grey 1/3, black 0: the light plane is on the screen a third
// of the time, the dark plane two thirds): dithered with the tone's diffusion, or with
// Threshold each pixel the nearest level (the threshold itself is for black and white only).
// Brightness, contrast and invert apply as for black and white.
GreyPicture toneGreyPicture(const PlacedPicture &placed, const ScaleSettings &settings);
GreyPicture scaledGrey(const ScaleSource &source, const ScaleSettings &settings);

// The toned picture as the editor's grid holds it: with 2 levels 1 black, 0 white (as
// tonePicture); with 4 each cell its GreyLevel, 0 white to 3 black.
PixelGrid toneLevels(const PlacedPicture &placed, const ScaleSettings &settings, int levels);

// What an import leaves in the grid `beneath` (of `beneathLevels`, 2 or 4; it may be larger
// than the picture): the `toned` pixels (of `tonedLevels`) laid on its top-left, where they
// are not white, or everywhere they reach when `replace`. The grid keeps its size; it has 4
// levels when either has (black then 3), else 2.
PixelGrid importedLevels(const PixelGrid &toned, int tonedLevels, const PixelGrid &beneath, int beneathLevels,
                         bool replace);

// The smallest size a picture needs to be read at for any placement but Actual onto
// `target` (twice the target in each direction); loaders may read large pictures at a
// reduced size no smaller than this.
//
// dotlark-convert reads the picture for ScaleSource's `scaled` with the loader hint
// {cover = scaleCoverSize(target)} (a large JPEG then comes at 1/2, 1/4 or 1/8 of its size)
// and, for Actual, the `actual` part with {topLeft = target}; a caller reading the same way
// gets the same pixels for the same settings.
QSize scaleCoverSize(QSize target);
