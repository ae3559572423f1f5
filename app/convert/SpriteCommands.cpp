#include "SpriteCommands.h"

#include "GreyCommands.h"
#include "GroupCommands.h"
#include "VariableOutput.h"

#include "calc/DocumentWords.h"
#include "calc/PictureFile.h"
#include "document/SpriteSource.h"
#include "session/TiGroup.h"

#include <QFileInfo>
#include <vector>

namespace {

// The planes to write and the variable name the arrays are named after.
struct SpritePicture
{
    std::vector<PixelGrid> planes;
    int width = 0, height = 0;
    std::string name;
};

// The request the options make; nothing after a usage error (its exit status in `status`).
std::optional<SpriteRequest> requestOf(const Invocation &call, int &status)
{
    static const QStringList widths{"8", "16", "32", "x8"};
    static const QStringList levels{"white", "light", "dark", "black"};
    static const QStringList senses{"and", "or"};
    SpriteRequest request;
    const qsizetype sense = senses.indexOf(call.has("--mask-bits") ? call.value("--mask-bits").toLower() : "and");
    const qsizetype width = widths.indexOf(call.value("--sprite").toLower());
    const qsizetype transparent = levels.indexOf(call.has("--transparent") ? call.value("--transparent").toLower() : "white");
    if (width < 0)
        status = usageError(Convert::tr("--sprite takes 8, 16, 32 or x8, not \"%1\"").arg(call.value("--sprite")));
    else if (transparent < 0)
        status = usageError(Convert::tr("--transparent takes white, light, dark or black, not \"%1\"")
                                .arg(call.value("--transparent")));
    else if (sense < 0)
        status = usageError(Convert::tr("--mask-bits takes and or or, not \"%1\"").arg(call.value("--mask-bits")));
    else if ((call.has("--transparent") || call.has("--mask-bits")) && !call.has("--mask"))
        status = usageError(Convert::tr("--transparent and --mask-bits go with --mask"));
    if (width < 0 || transparent < 0 || sense < 0 || ((call.has("--transparent") || call.has("--mask-bits")) && !call.has("--mask")))
        return std::nullopt;
    request.width = static_cast<SpriteWidth>(width);
    request.mask = call.has("--mask");
    request.transparent = static_cast<GreyLevel>(transparent);
    request.maskSense = static_cast<MaskSense>(sense);
    request.interlaced = call.has("--interlaced");
    request.header = suffixOf(call.files[1]) == u"h";
    request.fileName = QFileInfo(call.files[1]).fileName().toStdString();
    return request;
}

std::optional<SpritePicture> greyPair(Context &context, const QString &path)
{
    const std::optional<GroupFile> group = readGroupFile(context, path);
    if (!group)
        return std::nullopt;
    const std::optional<NamedGreyPicture> grey = chosenGreyPicture(context.call, path, *group);
    if (!grey)
        return std::nullopt;
    const GreyPicture &picture = grey->picture;
    return SpritePicture{{picture.light, picture.dark}, picture.width, picture.height, grey->name};
}

std::optional<SpritePicture> onePlane(Context &context, const QString &path)
{
    std::optional<CalcPicture> picture = readPicture(context.files, path);
    if (!picture)
        return std::nullopt;
    return SpritePicture{{std::move(picture->pixels)}, picture->width, picture->height, picture->name};
}

} // namespace

OptionTable spriteOptions()
{
    return {
        {"--sprite", "8|16|32|x8", Convert::tr("rows of 8, 16 or 32 pixels, or of bytes for SpriteX8")},
        {"--mask", {}, Convert::tr("add a mask plane telling where the picture is transparent (white)")},
        {"--transparent", "LEVEL", Convert::tr("white, light, dark or black: the level the mask leaves out (default white)")},
        {"--mask-bits", "and|or", Convert::tr("and: 1 = transparent, for AND-ing into the screen (the default); or: 1 = opaque")},
        {"--interlaced", {}, Convert::tr("one array with each row's planes in turn ([mask,] light, dark)")},
        {"--tiles", "WxH", Convert::tr("a sheet: every tile of W x H pixels, read left to right then down, as name[N][H]")},
        {"--names", "A,B,...", Convert::tr("with --tiles: the tiles' names, in order, for an enum of their indices")},
        {"--var", "FOLDER\\NAME", Convert::tr("the group's pair NAMEl and NAMEd (FOLDER\\ may be left out: main)")},
    };
}

int writeSpriteSource(Context &context)
{
    const Invocation &call = context.call;
    const QString &in = context.call.files[0];
    int status = kExitUsage;
    std::optional<SpriteRequest> request = requestOf(context.call, status);
    if (!request)
        return status;
    if (context.call.has("--var") && !isGroupPath(in))
        return usageError(Convert::tr("--var goes with a group"));
    const std::optional<SpritePicture> picture = isGroupPath(in) ? greyPair(context, in) : onePlane(context, in);
    if (!picture)
        return kExitRefused;
    request->name = picture->name;
    const PixelRect all{0, 0, picture->width, picture->height};
    if (call.has("--tiles")) {
        const QStringList size = call.value("--tiles").toLower().split(u'x');
        TileSheet sheet{size.value(0).toInt(), size.size() == 2 ? size.value(1).toInt() : 0, {}};
        if (sheet.tileWidth <= 0 || sheet.tileHeight <= 0)
            return usageError(Convert::tr("--tiles takes a size such as 16x16, not \"%1\"").arg(call.value("--tiles")));
        if (call.has("--names"))
            for (const QString &name : call.value("--names").split(u','))
                sheet.names.push_back(name.trimmed().toStdString());
        const SpriteResult source = spriteSheetSource(picture->planes, all, *request, sheet);
        if (source.error != SpriteError::None)
            return refuse(in, sheetReason(source.error, picture->width, picture->height, sheet, request->width));
        return writeOutput(context, context.call.files[1], QByteArray::fromStdString(source.text));
    }
    if (call.has("--names"))
        return usageError(Convert::tr("--names goes with --tiles"));
    const SpriteResult source = spriteSource(picture->planes, all, *request);
    if (source.error != SpriteError::None)
        return refuse(in, spriteReason(source.error, picture->width, request->width));
    return writeOutput(context, context.call.files[1], QByteArray::fromStdString(source.text));
}
