#include "document/GreyFiles.h"

GreyVariables greyVariables(const GreyPicture &picture, std::string_view folder, std::string_view name,
                            std::string_view comment, CalcKind kind)
{
    const auto [lightName, darkName] = planeVariableNames(name);
    auto variable = [&](const std::string &plane, const PixelGrid &pixels) {
        return CalcPicture{std::string(folder), plane, std::string(comment), picture.width, picture.height, pixels, kind};
    };
    return {variable(lightName, picture.light), variable(darkName, picture.dark)};
}

bool putGreyPicture(GroupFile &group, const GreyPicture &picture, std::string_view folder, std::string_view name)
{
    const GreyVariables variables = greyVariables(picture, folder, name, group.comment, group.kind);
    std::optional<GroupEntry> light = pictureVariable(variables.light);
    std::optional<GroupEntry> dark = pictureVariable(variables.dark);
    if (!light || !dark)
        return false;
    putVariable(group, std::move(*light));
    putVariable(group, std::move(*dark));
    return true;
}

GreyDecodeResult decodeGreyPair(const GroupFile &group, const GreyPair &pair)
{
    GreyDecodeResult result;
    const DecodeResult light = decodeGroupPicture(group, pair.lightEntry);
    const DecodeResult dark = decodeGroupPicture(group, pair.darkEntry);
    for (const auto &[decoded, entry] : {std::pair{&light, pair.lightEntry}, std::pair{&dark, pair.darkEntry}}) {
        if (decoded->error != Picture89iError::None)
            return {decoded->error, entry, {}};
    }
    // A pair is of one size; should the dark plane differ after all, it is taken at the
    // light one's size (white where it is smaller).
    result.picture = GreyPicture(light.picture.width, light.picture.height);
    result.picture.light = light.picture.pixels;
    for (int y = 0; y < result.picture.height; ++y)
        for (int x = 0; x < result.picture.width; ++x)
            result.picture.dark.set(x, y, dark.picture.pixels.at(x, y));
    return result;
}

GreyEncodeResult encodeGreyFiles(const GreyVariables &variables)
{
    EncodeResult light = encode89i(variables.light);
    EncodeResult dark = encode89i(variables.dark);
    if (light.error != Picture89iError::None || dark.error != Picture89iError::None)
        return {light.error != Picture89iError::None ? light.error : dark.error, {}, {}};
    return {Picture89iError::None, std::move(light.bytes), std::move(dark.bytes)};
}
