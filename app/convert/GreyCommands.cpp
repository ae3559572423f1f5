#include "GreyCommands.h"

#include "GroupCommands.h"
#include "VariableOutput.h"

#include "calc/CalcCharset.h"
#include "calc/PictureFile.h"
#include "document/GreyFiles.h"
#include "session/Place.h"
#include "import/PictureImages.h"
#include "session/TiGroup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const GreyPair *pairNamed(const QString &variable, const std::vector<GreyPair> &pairs)
{
    for (const GreyPair &pair : pairs) {
        const QString name = CalcCharset::toUnicode(pair.name);
        if (variable == CalcCharset::toUnicode(pair.folder) + u'\\' + name || (pair.folder == "main" && variable == name))
            return &pair;
    }
    return nullptr;
}

const GreyPair *chosenPair(const Invocation &call, const QString &path, const std::vector<GreyPair> &pairs)
{
    if (!call.has("--var")) {
        if (pairs.size() == 1)
            return &pairs.front();
        refuse(path, pairs.empty() ? Convert::tr("the group holds no light/dark pair of pictures (two pictures of "
                                                    "one size in one folder, named NAMEl and NAMEd)")
                                   : Convert::tr("the group holds %1 light/dark pairs: name one with --var "
                                                    "FOLDER\\NAME (the name without its l or d)").arg(pairs.size()));
        return nullptr;
    }
    std::string folder, name;
    if (!splitVariable(call.value("--var"), folder, name))
        return nullptr;
    for (const GreyPair &pair : pairs)
        if (pair.folder == folder && pair.name == name)
            return &pair;
    refuse(path, Convert::tr("the group holds no light/dark pair %1l and %1d").arg(shownVariable(folder, name)));
    return nullptr;
}

} // namespace

std::optional<NamedGreyPicture> chosenGreyPicture(const Invocation &call, const QString &path, const GroupFile &group)
{
    const std::vector<GreyPair> pairs = greyPairsIn(group);
    const GreyPair *pair = chosenPair(call, path, pairs);
    if (!pair)
        return std::nullopt;
    GreyDecodeResult decoded = decodeGreyPair(group, *pair);
    if (decoded.error != Picture89iError::None) {
        refuse(pictureFailure(path + u'\\' + shownVariable(pair->folder, group.entries[size_t(decoded.entry)].name),
                              decoded.error));
        return std::nullopt;
    }
    return NamedGreyPicture{std::move(decoded.picture), pair->folder, pair->name};
}

bool namesGreyPair(const Invocation &call, const GroupFile &group)
{
    if (!call.has("--var"))
        return false;
    const QString variable = call.value("--var");
    for (const GroupPicture &picture : picturesIn(group))
        if (variable == shownVariable(picture.folder, picture.name)
            || (picture.folder == "main" && variable == CalcCharset::toUnicode(picture.name)))
            return false;
    return pairNamed(variable, greyPairsIn(group)) != nullptr;
}

int extractGreyPicture(Context &context, const GroupFile &group)
{
    const QString &in = context.call.files[0];
    const QString &out = context.call.files[1];
    if (!QStringList{"png", "bmp"}.contains(suffixOf(out)))
        return refuse(out, Convert::tr("a light/dark pair is written as a PNG or BMP image of four grey levels"));
    const std::optional<NamedGreyPicture> grey = chosenGreyPicture(context.call, in, group);
    if (!grey)
        return kExitRefused;
    const QByteArray data = greyFileBytes(grey->picture, suffixOf(out));
    if (data.isEmpty())
        return refuse(out, Convert::tr("the image could not be encoded"));
    return writeOutput(context, out, data);
}

namespace {
// The picture of four levels as a save hands it over, with the texts and the calculator.
StoredPicture storedGrey(const GreyPicture &picture, const CalcPicture &texts, CalcKind kind)
{
    return {{texts.folder, texts.name, texts.comment}, picture.width, picture.height, 4, levelsFromGrey(picture), kind};
}

std::vector<std::string> planeNamesOf(const std::string &name)
{
    const auto [light, dark] = planeVariableNames(name);
    return {light, dark};
}
} // namespace

int writeGreyGroup(Context &context, const QString &source, const GreyPicture &picture, const CalcPicture &texts)
{
    const QString &out = context.call.files[1];
    if (const Picture89iError error = checkWritableSize(picture.width, picture.height); error != Picture89iError::None)
        return refuse(pictureFailure(source, error));
    const CalcKind kind = kindFromGroupEnding(out.toStdString()).value_or(CalcKind::TI89);
    const Place group = Place::inGroup(out, texts.folder, planeNamesOf(texts.name), texts.comment, kind, texts.name);
    return writePlace(context, group, storedGrey(picture, texts, kind), true);
}

int claimGreyFiles(Context &context)
{
    const auto [light, dark] = Place::planeFiles(context.call.files[1]);
    for (const QString &path : {light, dark}) {
        context.outputsAtStart.insert(path, context.files.identify(path));
        if (isMissing(path))
            continue;
        const Outcome<QByteArray> bytes = context.files.readAll(path);
        if (!bytes || !decodePictureFile(path, *bytes))
            return refuse(path, Convert::tr("is there and is not a calculator picture: the planes of four grey levels "
                                               "replace only picture files (the file is left as it is)"));
    }
    return kExitOk;
}

int writeGreyFiles(Context &context, const QString &source, const GreyPicture &picture, const CalcPicture &texts)
{
    const auto [light, dark] = Place::planeFiles(context.call.files[1]);
    if (const Picture89iError error = checkWritableSize(picture.width, picture.height); error != Picture89iError::None)
        return refuse(pictureFailure(source, error));
    const CalcKind kind = kindFromEnding(context.call.files[1].toStdString()).value_or(CalcKind::TI89);
    const std::vector<std::string> names = planeNamesOf(texts.name);
    const Place pair = Place::filePair(light, dark, texts.folder, {names[0], names[1]}, kind, texts.name);
    if (const int written = writePlace(context, pair, storedGrey(picture, texts, kind), false); written != kExitOk)
        return written;
    printNote(Convert::tr("four grey levels were written as the light plane %1 and the dark plane %2")
                  .arg(QDir::toNativeSeparators(light), QDir::toNativeSeparators(dark)));
    return kExitOk;
}
