#include "GroupCommands.h"
#include "GreyCommands.h"
#include "VariableOutput.h"

#include "calc/CalcCharset.h"
#include "calc/NameProblem.h"
#include "calc/PictureFile.h"
#include "import/PictureImages.h"
#include "platform/Messages.h"
#include "session/TiGroup.h"

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
    Outcome<GroupFile> group = decodeGroupFile(path, *bytes, &warnings);
    if (!group) {
        refuse(group.failure());
        return std::nullopt;
    }
    for (const QString &warning : warnings)
        printNote(QStringLiteral("%1: %2").arg(path, escapedControls(warning)));
    return std::move(*group);
}

namespace {

const QString kGroupEndings = QStringLiteral(".89g, .92g, .9xg, .v2g or .tig");

int writeGroupFile(Context &context, const QString &path, const GroupFile &group)
{
    const Outcome<QByteArray> bytes = encodeGroupFile(path, group);
    return bytes ? writeOutput(context, path, *bytes) : refuse(bytes.failure());
}

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

// A new group of the calculator the path's ending names (a TIGroup's: the TI-89's).
GroupFile newGroup(const QString &path)
{
    GroupFile group;
    group.kind = kindFromGroupEnding(path.toStdString()).value_or(CalcKind::TI89);
    group.comment = "made with DOTLARK";
    return group;
}

// Puts the picture file's picture into the group; false after saying why.
bool putPicture(const QString &path, CalcPicture picture, GroupFile &group)
{
    const std::optional<GroupEntry> variable = pictureVariable(picture);
    if (!variable) {
        refuse(pictureFailure(path, encode89i(picture).error));
        return false;
    }
    if (findVariable(group, variable->folder, variable->name) >= 0)
        printNote(Convert::tr("%1 replaces the variable %2").arg(path, shownVariable(picture.folder, picture.name)));
    putVariable(group, *variable);
    return true;
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
    std::optional<GroupFile> group = isMissing(out) ? newGroup(out) : readGroupFile(context, out);
    if (!group || !putPicture(in, *picture, *group))
        return kExitRefused;
    return writeGroupFile(context, out, *group);
}

int makeGroup(Context &context)
{
    const QString out = context.call.value("--group");
    if (!isGroupPath(out))
        return usageError(Convert::tr("--group takes a file ending in %1").arg(kGroupEndings));
    context.outputsAtStart.insert(out, context.files.identify(out));
    GroupFile group = newGroup(out);
    for (const QString &in : context.call.files) {
        const std::optional<CalcPicture> picture = readPicture(context.files, in);
        if (!picture || !putPicture(in, *picture, group))
            return kExitRefused;
    }
    return writeGroupFile(context, out, group);
}
