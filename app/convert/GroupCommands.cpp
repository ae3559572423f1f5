#include "GroupCommands.h"
#include "GreyCommands.h"
#include "VariableOutput.h"

#include "calc/CalcCharset.h"
#include "calc/NameProblem.h"
#include "calc/PictureFile.h"
#include "import/PictureImages.h"
#include "platform/Messages.h"
#include "platform/FailureText.h"
#include "session/GroupChange.h"
#include "session/Place.h"
#include "session/TiGroup.h"

#include <QDir>
#include <QMap>

QString shownVariable(const std::string &folder, const std::string &name)
{
    return escapedControls(CalcCharset::toUnicode(folder)) + u'\\' + escapedControls(CalcCharset::toUnicode(name));
}

// Its warnings become notes.
std::optional<GroupFile> readGroupFile(Context &context, const QString &path)
{
    const std::optional<QByteArray> bytes = readFile(context.files, path);
    if (!bytes)
        return std::nullopt;
    QStringList warnings;
    // The names come from the file: escaped, so that none forges a line; the separator is ours.
    Outcome<GroupFile> group = decodeGroupFile(path, *bytes, &warnings, shownVariable);
    if (!group) {
        refuse(group.failure());
        return std::nullopt;
    }
    for (const QString &warning : warnings)
        printNote(QStringLiteral("%1: %2").arg(path, warning));
    return std::move(*group);
}

namespace {

const QString kGroupEndings = QStringLiteral(".89g, .92g, .9xg, .v2g or .tig");

// The picture variable --var names, or the group's only picture; -1 after saying why.
int chosenPicture(const Invocation &call, const QString &path, const GroupFile &group)
{
    const std::vector<GroupPicture> pictures = picturesIn(group);
    if (!call.has("--var")) {
        if (pictures.size() == 1)
            return pictures.front().entry;
        refuse(path, pictures.empty() ? Convert::tr("the group holds no picture")
                                      : Convert::tr("the group holds %1 pictures: name one with --var FOLDER\\NAME "
                                                       "(--list shows them)").arg(pictures.size()));
        return -1;
    }
    std::string folder, name;
    if (!splitVariable(call.value("--var"), folder, name))
        return -1;
    const int entry = findVariable(group, folder, name);
    if (entry < 0 || group.entries[size_t(entry)].type != kGroupPictureType)
        refuse(path, Convert::tr("the group holds no picture variable %1").arg(shownVariable(folder, name)));
    return entry < 0 || group.entries[size_t(entry)].type != kGroupPictureType ? -1 : entry;
}

} // namespace

int listGroup(Context &context)
{
    const std::optional<GroupFile> group = readGroupFile(context, context.call.files[0]);
    if (!group)
        return kExitRefused;
    for (const GroupEntry &entry : group->entries)
        if (!entry.isFolder())
            printLine(shownVariable(entry.folder, entry.name) + u'\t' + QString::fromStdString(variableTypeName(entry.type))
                      + u'\t' + QString::number(entry.data.size()));
    return kExitOk;
}

int extractFromGroup(Context &context)
{
    const QString &in = context.call.files[0];
    const std::optional<GroupFile> group = readGroupFile(context, in);
    if (!group)
        return kExitRefused;
    if (namesGreyPair(context.call, *group))
        return extractGreyPicture(context, *group);
    const int entry = chosenPicture(context.call, in, *group);
    if (entry < 0)
        return kExitRefused;
    const QString variable = in + u'\\' + shownVariable(group->entries[size_t(entry)].folder, group->entries[size_t(entry)].name);
    const Outcome<CalcPicture> picture = decodePictureFile(variable, asByteArray(singleVariableFile(*group, entry)));
    if (!picture)
        return refuse(picture.failure());
    return writePictureAs(context, context.call.files[1], *picture);
}

int addToGroup(Context &context)
{
    const QString &in = context.call.files[0];
    const QString &out = context.call.files[1];
    if (!isGroupPath(out))
        return usageError(Convert::tr("the group must end in %1").arg(kGroupEndings));
    std::optional<CalcPicture> picture = readPicture(context.files, in);
    if (!picture)
        return kExitRefused;
    if (context.call.has("--var") && !splitVariable(context.call.value("--var"), picture->folder, picture->name))
        return kExitRefused;
    if (!isMissing(out)) {
        const std::optional<GroupFile> group = readGroupFile(context, out);
        if (!group)
            return kExitRefused;
        if (findVariable(*group, picture->folder, picture->name) >= 0)
            printNote(Convert::tr("%1 replaces the variable %2").arg(in, shownVariable(picture->folder, picture->name)));
    }
    // The group as it is when written: read again, our variable put in, written only over
    // the very file read (another program's version that came meanwhile is read in turn).
    const CalcKind kind = kindFromGroupEnding(out.toStdString()).value_or(picture->kind);
    const Place group = Place::inGroup(out, picture->folder, {picture->name}, picture->comment, kind);
    const Outcome<Place::Written> written =
        group.write(context.files, storedOf(*picture), {Place::Overwrite::Files::AsTheyAre, {}, false, true});
    if (!written)
        return refuse(out, Convert::tr("cannot be written: %1").arg(describe(written.failure())));
    for (const QString &note : written->notes)
        printNote(note);
    return kExitOk;
}

int makeGroup(Context &context)
{
    const QString out = context.call.value("--group");
    if (!isGroupPath(out))
        return usageError(Convert::tr("--group takes a file ending in %1").arg(kGroupEndings));
    context.outputsAtStart.insert(out, context.files.identify(out));
    std::vector<GroupEntry> variables;
    QMap<QString, QString> from; // folder\name -> the file that holds it
    for (const QString &in : context.call.files) {
        const std::optional<CalcPicture> picture = readPicture(context.files, in);
        if (!picture)
            return kExitRefused;
        const QString variable = shownVariable(picture->folder, picture->name);
        if (from.contains(variable))
            return refuse(in, Convert::tr("holds %1, as %2 does: a group holds one variable of each name. Name them apart "
                                          "first (dotlark-convert IN.89i OUT.89i --name NAME), then group the files made.")
                                  .arg(variable, QDir::toNativeSeparators(from.value(variable))));
        from.insert(variable, in);
        std::optional<GroupEntry> entry = pictureVariable(*picture);
        if (!entry)
            return refuse(pictureFailure(in, encode89i(*picture).error));
        variables.push_back(std::move(*entry));
    }
    const CalcKind kind = kindFromGroupEnding(out.toStdString()).value_or(CalcKind::TI89);
    const Outcome<QByteArray> bytes = freshGroup(out, kind, kNewPictureComment, variables);
    return bytes ? writeOutput(context, out, *bytes) : refuse(bytes.failure());
}
