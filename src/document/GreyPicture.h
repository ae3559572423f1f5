#pragma once

#include "document/GroupFile.h"
#include "document/PixelGrid.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A picture of four grey levels held as two bit planes of one size, as the 68k calculators
// show grey: the light plane is on the screen about a third of the time, the dark plane
// about two thirds. White is neither plane, light grey the light plane only, dark grey the
// dark plane only, black both. The plane numbers are the calculator programs' own
// (LIGHT_PLANE 0, DARK_PLANE 1).

enum class GreyLevel : uint8_t { White = 0, LightGrey = 1, DarkGrey = 2, Black = 3 };

// Each level's grey (sRGB) as the screen shows it on average, for pictures and prints made of
// a grey picture: in linear light 1, 2/3, 1/3 and 0.
constexpr uint8_t kGreyShades[] = {255, 213, 156, 0};
enum class GreyPlane { Light = 0, Dark = 1 };

struct GreyPicture
{
    int width = 0, height = 0;
    PixelGrid light, dark; // each exactly width x height

    GreyPicture() = default;
    GreyPicture(int w, int h) : width(w), height(h), light(w, h), dark(w, h) {}

    PixelGrid &plane(GreyPlane which) { return which == GreyPlane::Light ? light : dark; }
    const PixelGrid &plane(GreyPlane which) const { return which == GreyPlane::Light ? light : dark; }

    // White outside the picture; setting there does nothing.
    GreyLevel level(int x, int y) const
    {
        return static_cast<GreyLevel>((light.at(x, y) ? 1 : 0) | (dark.at(x, y) ? 2 : 0));
    }
    void setLevel(int x, int y, GreyLevel value)
    {
        light.set(x, y, static_cast<int>(value) & 1);
        dark.set(x, y, static_cast<int>(value) & 2);
    }

    bool operator==(const GreyPicture &) const = default;
};

// The same operation on both planes: `op` takes a plane and gives the new plane (one of
// PictureOps' operations, say); the new picture's size is the new planes'.
template<class Op>
GreyPicture onBothPlanes(const GreyPicture &picture, Op op)
{
    GreyPicture result;
    result.light = op(picture.light);
    result.dark = op(picture.dark);
    result.width = result.light.width();
    result.height = result.light.height();
    return result;
}

// A black-and-white picture (the picture's part of `pixels`) as four levels: black stays
// black (both planes), white white.
GreyPicture greyFromPlane(const PixelGrid &pixels, int width, int height);
// Four levels as black and white: dark grey and black become black, the darker half (the
// dark plane itself, which the screen shows two thirds of the time).
PixelGrid planeFromGrey(const GreyPicture &picture);
// The editor keeps a grey picture as one grid of levels (a cell's bit 0 the light plane,
// bit 1 the dark plane): the two planes of the picture's part of such a grid, and back.
GreyPicture greyFromLevels(const PixelGrid &levels, int width, int height);
PixelGrid levelsFromGrey(const GreyPicture &picture);
// White and black change places, and light and dark grey (each plane inverted).
GreyPicture invertedGrey(const GreyPicture &picture);

// Fills the 4-connected region of the level at (x, y) with `value`, as PictureOps::floodFill
// does on one plane: a region is of one level, both planes alike (light grey stops a fill of
// white though the dark plane is clear under both). The rectangle of the changed pixels,
// nothing when nothing changed.
std::optional<PixelRect> greyFloodFill(GreyPicture &picture, int x, int y, GreyLevel value);

// The names of the two picture variables of a grey picture named `name` (calculator
// bytes): the name with "l" and "d" appended, cut to 7 bytes first where it is longer, so
// each fits the calculator's 8.
std::pair<std::string, std::string> planeVariableNames(std::string_view name);

// Two picture variables of a group that hold one grey picture: in the same folder, of the
// same size, their names equal but for the last byte, "l" on the light one and "d" on the
// dark one (either case).
struct GreyPair
{
    int lightEntry = -1, darkEntry = -1;
    std::string folder, name; // the name without its l/d
};

// Every such pair, in the order of the light variables; a picture is in one pair at most.
std::vector<GreyPair> greyPairsIn(const GroupFile &group);
