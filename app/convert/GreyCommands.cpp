#include "GreyCommands.h"

#include "GroupCommands.h"
#include "VariableOutput.h"

#include "calc/CalcCharset.h"
#include "calc/PictureFile.h"
#include "document/GreyFiles.h"
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

int writeGreyGroup(Context &context, const QString &source, const GreyPicture &picture, const CalcPicture &texts)
{
    const QString &out = context.call.files[1];
    GroupFile group;
    group.kind = kindFromGroupEnding(out.toStdString()).value_or(CalcKind::TI89);
    group.comment = texts.comment;
    if (!putGreyPicture(group, picture, texts.folder, texts.name))
        return refuse(pictureFailure(source, checkWritableSize(picture.width, picture.height)));
    const Outcome<QByteArray> bytes = encodeGroupFile(out, group);
    return bytes ? writeOutput(context, out, *bytes) : refuse(bytes.failure());
}

QStringList greyFilePaths(const QString &out)
{
    const QString suffix = QFileInfo(out).suffix(); // a picture ending, as the command was chosen by
    const QString stem = out.left(out.size() - suffix.size() - 1);
    return {stem + QStringLiteral("l.") + suffix, stem + QStringLiteral("d.") + suffix};
}

int claimGreyFiles(Context &context)
{
    for (const QString &path : greyFilePaths(context.call.files[1])) {
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

namespace {
// Puts back what a path held before a write that is being undone: its bytes, or nothing.
void putBack(const QString &path, const std::optional<QByteArray> &before, Context &context)
{
    if (before)
        context.files.writeAll(path, *before);
    else
        QFile::remove(path);
}
} // namespace

int writeGreyFiles(Context &context, const QString &source, const GreyPicture &picture, const CalcPicture &texts)
{
    const QStringList paths = greyFilePaths(context.call.files[1]);
    const CalcKind kind = kindFromEnding(context.call.files[1].toStdString()).value_or(CalcKind::TI89);
    const GreyVariables variables = greyVariables(picture, texts.folder, texts.name, texts.comment, kind);
    const GreyEncodeResult encoded = encodeGreyFiles(variables);
    if (encoded.error != Picture89iError::None)
        return refuse(pictureFailure(source, encoded.error));
    if (variables.light.name.size() >= 8 && !texts.comment.empty())
        printNote(Convert::tr("with an 8-character variable name (%1) the comment is not stored")
                      .arg(CalcCharset::toUnicode(variables.light.name)));
    std::optional<QByteArray> lightBefore;
    if (!isMissing(paths[0]))
        if (const Outcome<QByteArray> bytes = context.files.readAll(paths[0]))
            lightBefore = *bytes;
    if (const int written = writeOutput(context, paths[0], asByteArray(encoded.light)); written != kExitOk)
        return written;
    if (const int written = writeOutput(context, paths[1], asByteArray(encoded.dark)); written != kExitOk) {
        putBack(paths[0], lightBefore, context); // one plane alone is no picture
        return written;
    }
    printNote(Convert::tr("four grey levels were written as the light plane %1 and the dark plane %2")
                  .arg(QDir::toNativeSeparators(paths[0]), QDir::toNativeSeparators(paths[1])));
    return kExitOk;
}
