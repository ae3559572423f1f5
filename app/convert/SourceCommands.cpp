#include "SourceCommands.h"

#include "GreyCommands.h"
#include "PictureCommands.h"
#include "VariableOutput.h"

#include "document/GreyPicture.h"
#include "import/PictureImages.h"
#include "platform/FailureText.h"
#include "platform/PictureLoader.h"
#include "session/Place.h"
#include "session/SpriteSummary.h"
#include "session/TiGroup.h"

namespace {
QString text(const std::string &words) { return QString::fromUtf8(words.data(), qsizetype(words.size())); }

std::optional<SourceOnDisk> readSource(Context &context, const QString &path)
{
    Outcome<SourceOnDisk> source = Place::readSource(context.files, path);
    if (!source) {
        refuse(source.failure());
        return std::nullopt;
    }
    return std::move(*source);
}

// The sprite --var names, or the text's only sprite; -1 after saying why.
int chosenSprite(const Invocation &call, const SourceOnDisk &source)
{
    std::vector<int> sprites;
    for (size_t i = 0; i < source.sprites.size(); ++i)
        if (call.has("--var") ? text(source.sprites[i].name) == call.value("--var") : source.sprites[i].problem.empty())
            sprites.push_back(int(i));
    if (call.has("--var") && sprites.empty())
        refuse(source.path, Convert::tr("defines no array named %1 (--list shows them)").arg(escapedControls(call.value("--var"))));
    else if (sprites.empty())
        refuse(source.path, Convert::tr("defines no sprite (--list shows its arrays and why)"));
    else if (sprites.size() > 1)
        refuse(source.path, Convert::tr("defines %1 sprites: name one with --var NAME (--list shows them)").arg(sprites.size()));
    return sprites.size() == 1 ? sprites.front() : -1;
}

std::optional<Place::Opened> openedSprite(Context &context, const SourceOnDisk &source)
{
    const int index = chosenSprite(context.call, source);
    if (index < 0)
        return std::nullopt;
    Outcome<Place::Opened> opened = Place::openSprite(source, index);
    if (!opened) {
        refuse(opened.failure());
        return std::nullopt;
    }
    return std::move(*opened);
}

CalcPicture calcPictureOf(const StoredPicture &picture)
{
    return {picture.texts.folder, picture.texts.name, picture.texts.comment, picture.width, picture.height, picture.pixels, picture.kind};
}

// A grey sprite as OUT: an image of four levels, a group of its planes, or two picture files.
int writeGreySprite(Context &context, const StoredPicture &picture)
{
    const QString &in = context.call.files[0], &out = context.call.files[1];
    const GreyPicture grey = greyFromLevels(picture.pixels, picture.width, picture.height);
    if (QStringList{"png", "bmp"}.contains(suffixOf(out))) {
        const QByteArray data = greyFileBytes(grey, suffixOf(out));
        return data.isEmpty() ? refuse(out, Convert::tr("the image could not be encoded")) : writeOutput(context, out, data);
    }
    const CalcPicture texts = calcPictureOf(picture);
    if (isGroupPath(out))
        return writeGreyGroup(context, in, grey, texts);
    if (kindFromEnding(out.toStdString()) && out.contains(u'.')) {
        if (const int claimed = claimGreyFiles(context); claimed != kExitOk)
            return claimed;
        return writeGreyFiles(context, in, grey, texts);
    }
    return refuse(out, Convert::tr("a sprite of four grey levels is written as a PNG or BMP image, a group or two picture files"));
}

// PICTURE as the sprite's levels: a calculator picture in black and white, an image as the
// nearest of four grey levels for a grey sprite, else black where it is dark.
std::optional<StoredPicture> pictureToWrite(Context &context, const SourceSprite &sprite)
{
    const QString &in = context.call.files[0];
    if (kindFromEnding(in.toStdString()) && in.contains(u'.')) {
        std::optional<CalcPicture> picture = readPicture(context.files, in);
        if (!picture)
            return std::nullopt;
        return storedOf(std::move(*picture));
    }
    const std::optional<LoadedPicture> loaded = loadImage(context, in, LoadHint{});
    if (!loaded)
        return std::nullopt;
    const QImage &image = loaded->image;
    const bool grey = sprite.planes.size() == 2;
    return StoredPicture{{}, image.width(), image.height(), grey ? 4 : 2, grey ? nearestGreyLevels(image) : darkPixels(image),
                         CalcKind::TI89};
}
} // namespace

int listSource(Context &context)
{
    const std::optional<SourceOnDisk> source = readSource(context, context.call.files[0]);
    if (!source)
        return kExitRefused;
    for (const SourceSprite &sprite : source->sprites) {
        const QString name = escapedControls(text(sprite.name));
        QStringList fields{name, SpriteSummary::elementSize(sprite), SpriteSummary::length(sprite), SpriteSummary::shape(sprite)};
        if (sprite.problem.empty())
            fields << SpriteSummary::arrays(sprite);
        printLine(escapedControls(fields.join(u'\t')).replace(QStringLiteral("\\t"), QStringLiteral("\t")));
        for (const std::string &note : sprite.notes)
            printNote(QStringLiteral("%1: %2").arg(name, escapedControls(text(note))));
    }
    return kExitOk;
}

int extractFromSource(Context &context)
{
    const std::optional<SourceOnDisk> source = readSource(context, context.call.files[0]);
    if (!source)
        return kExitRefused;
    const std::optional<Place::Opened> opened = openedSprite(context, *source);
    if (!opened)
        return kExitRefused;
    if (opened->picture.levels == 4)
        return writeGreySprite(context, opened->picture);
    return writePictureAs(context, context.call.files[1], calcPictureOf(opened->picture));
}

int addToSource(Context &context)
{
    const QString &out = context.call.files[1];
    const std::optional<SourceOnDisk> source = readSource(context, out);
    if (!source)
        return kExitRefused;
    const std::optional<Place::Opened> opened = openedSprite(context, *source);
    if (!opened)
        return kExitRefused;
    const std::optional<StoredPicture> picture = pictureToWrite(context, *opened->place->sprite());
    if (!picture)
        return kExitRefused;
    return writePlace(context, *opened->place, *picture, false);
}
