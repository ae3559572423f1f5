#include "document/GreyPicture.h"

#include "document/PictureOps.h"

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
};

PictureSize sizeOf(const GroupFile &group, int entry)
{
    const DecodeResult decoded = decodeGroupPicture(group, entry);
    if (decoded.error != Picture89iError::None)
        return {};
    return {decoded.picture.width, decoded.picture.height};
}

bool endsIn(const std::string &name, char lower)
{
    return !name.empty() && (name.back() == lower || name.back() == lower - 'a' + 'A');
}

} // namespace

std::vector<GreyPair> greyPairsIn(const GroupFile &group)
{
    const std::vector<GroupPicture> pictures = picturesIn(group);
    std::vector<GreyPair> pairs;
    std::vector<bool> taken(pictures.size(), false);
    for (size_t l = 0; l < pictures.size(); ++l) {
        const GroupPicture &light = pictures[l];
        if (!endsIn(light.name, 'l'))
            continue;
        const std::string base = light.name.substr(0, light.name.size() - 1);
        for (size_t d = 0; d < pictures.size(); ++d) {
            const GroupPicture &dark = pictures[d];
            if (taken[d] || dark.folder != light.folder || !endsIn(dark.name, 'd')
                || dark.name.compare(0, dark.name.size() - 1, base) != 0 || dark.name.size() != light.name.size())
                continue;
            const PictureSize a = sizeOf(group, light.entry), b = sizeOf(group, dark.entry);
            if (a.width < 0 || a.width != b.width || a.height != b.height)
                continue;
            taken[d] = true;
            pairs.push_back({light.entry, dark.entry, light.folder, base});
            break;
        }
    }
    return pairs;
}
