#include "document/GreyPicture.h"

#include "document/PictureOps.h"

#include <map>
#include <tuple>

GreyPicture greyFromPlane(const PixelGrid &pixels, int width, int height)
{
    GreyPicture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setLevel(x, y, pixels.at(x, y) ? GreyLevel::Black : GreyLevel::White);
    return picture;
}

PixelGrid planeFromGrey(const GreyPicture &picture)
{
    return PictureOps::cropped(picture.dark, {0, 0, picture.width, picture.height});
}

GreyPicture greyFromLevels(const PixelGrid &levels, int width, int height)
{
    GreyPicture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setLevel(x, y, static_cast<GreyLevel>(levels.at(x, y) & 3));
    return picture;
}

PixelGrid levelsFromGrey(const GreyPicture &picture)
{
    PixelGrid levels(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            levels.put(x, y, static_cast<uint8_t>(picture.level(x, y)));
    return levels;
}

GreyPicture invertedGrey(const GreyPicture &picture)
{
    return onBothPlanes(picture, [&](const PixelGrid &plane) {
        return PictureOps::inverted(plane, picture.width, picture.height);
    });
}

std::optional<PixelRect> greyFloodFill(GreyPicture &picture, int x, int y, GreyLevel value)
{
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height || picture.level(x, y) == value)
        return std::nullopt;
    // The one-plane fill on a plane of "this pixel has the seed's level".
    const GreyLevel target = picture.level(x, y);
    PixelGrid same(picture.width, picture.height);
    for (int row = 0; row < picture.height; ++row)
        for (int column = 0; column < picture.width; ++column)
            same.set(column, row, picture.level(column, row) == target);
    PixelGrid region = same;
    const std::optional<PixelRect> changed = PictureOps::floodFill(region, picture.width, picture.height, x, y, 0);
    if (!changed)
        return std::nullopt;
    for (int row = changed->y; row < changed->y + changed->height; ++row)
        for (int column = changed->x; column < changed->x + changed->width; ++column)
            if (same.at(column, row) && !region.at(column, row))
                picture.setLevel(column, row, value);
    return changed;
}

std::pair<std::string, std::string> planeVariableNames(std::string_view name)
{
    const std::string base(name.substr(0, 7));
    return {base + 'l', base + 'd'};
}

namespace {

struct PictureSize
{
    int width = -1, height = -1;
    auto operator<=>(const PictureSize &) const = default;
};

// The size a picture variable's data give (big-endian length, rows, columns, then the rows),
// read where it stands; -1 when the data do not hold a whole picture of that size.
PictureSize sizeOf(const GroupFile &group, int entry)
{
    const std::vector<uint8_t> &data = group.entries[size_t(entry)].data;
    if (data.size() < 6)
        return {};
    const int height = data[2] << 8 | data[3], width = data[4] << 8 | data[5];
    if (width <= 0 || height <= 0 || width > kPicture89iMaxSide || height > kPicture89iMaxSide
        || data.size() - 6 < size_t(height) * size_t(bytesPerRow(width)))
        return {};
    return {width, height};
}

bool endsIn(const std::string &name, char lower)
{
    return !name.empty() && (name.back() == lower || name.back() == lower - 'a' + 'A');
}

} // namespace

std::vector<GreyPair> greyPairsIn(const GroupFile &group)
{
    const std::vector<GroupPicture> pictures = picturesIn(group);
    // The dark planes by folder, name without its last byte and size, each in file order with
    // the next one not yet taken: every light plane finds its own in one look, so a group of
    // tens of thousands of pictures is paired in linear time.
    using Key = std::tuple<std::string, std::string, PictureSize>;
    std::map<Key, std::pair<std::vector<size_t>, size_t>> darks;
    for (size_t d = 0; d < pictures.size(); ++d) {
        const GroupPicture &dark = pictures[d];
        const PictureSize size = sizeOf(group, dark.entry);
        if (endsIn(dark.name, 'd') && size.width >= 0)
            darks[{dark.folder, dark.name.substr(0, dark.name.size() - 1), size}].first.push_back(d);
    }
    std::vector<GreyPair> pairs;
    for (const GroupPicture &light : pictures) {
        if (!endsIn(light.name, 'l'))
            continue;
        const std::string base = light.name.substr(0, light.name.size() - 1);
        const auto found = darks.find({light.folder, base, sizeOf(group, light.entry)});
        if (found == darks.end() || found->second.second == found->second.first.size())
            continue;
        const size_t dark = found->second.first[found->second.second++];
        pairs.push_back({light.entry, pictures[dark].entry, light.folder, base});
    }
    return pairs;
}
