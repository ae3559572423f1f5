// The file session's group files: a picture opened from a group and saved back into it, and
// Add to Group.

#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "calc/PictureFile.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"
#include "session/AppInfo.h"
#include "session/FileNames.h"
#include "session/FileSession.h"
#include "session/GroupPlacing.h"
#include "session/TiGroup.h"


#include <algorithm>

namespace {
QString shownVariable(const std::string &folder, const std::string &name)
{
    return CalcCharset::toUnicode(folder) + u'\\' + CalcCharset::toUnicode(name);
}

SessionOutcome refused(const QString &reason) { return SessionOutcome::refused(reason, AppInfo::title); }

} // namespace

void putInPlaceOf(GroupFile &group, const std::string &folder, const std::string &name, GroupEntry variable)
{
    const int old = findVariable(group, folder, name);
    const bool renamedInFolder = old >= 0 && variable.folder == folder && findVariable(group, variable.folder, variable.name) < 0;
    if (renamedInFolder) {
        variable.attribute = group.entries[size_t(old)].attribute;
        group.entries[size_t(old)] = std::move(variable);
        return;
    }
    if (old >= 0 && (variable.folder != folder || variable.name != name))
        removeVariable(group, folder, name);
    putVariable(group, std::move(variable));
}

Outcome<GroupOnDisk> FileSession::readGroupAt(const QString &path)
{
    // Taken before the read: a change made while it reads shows at the next save.
    const FileIdentity onDisk = m_files.identify(path);
    const Outcome<QByteArray> bytes = m_files.readAll(path);
    if (!bytes)
        return bytes.failure();
    Outcome<GroupFile> group = decodeGroupFile(path, *bytes);
    if (!group)
        return group.failure();
    return GroupOnDisk{path, onDisk, std::move(*group)};
}

Outcome<GroupOnDisk> FileSession::groupForAdding(const QString &path)
{
    const FileIdentity onDisk = m_files.identify(path);
    if (onDisk.kind != FileIdentity::Kind::Missing)
        return readGroupAt(path);
    GroupFile group;
    group.kind = kindFromGroupEnding(path.toStdString()).value_or(kind());
    group.comment = CalcTexts().comment;
    return GroupOnDisk{path, onDisk, std::move(group)};
}

SessionOutcome FileSession::openFromGroup(GroupOnDisk group, int entry, bool addToRecent)
{
    const GroupEntry &variable = group.group.entries.at(size_t(entry));
    const QString where = shownVariable(variable.folder, variable.name);
    const QString shownPath = group.path + QStringLiteral(" [") + where + u']';
    Outcome<CalcPicture> read = decodePictureFile(shownPath, asByteArray(singleVariableFile(group.group, entry)));
    if (!read)
        return groupRefused(read.failure());
    CalcPicture &picture = *read;
    CurrentFile = absoluteCleanPath(group.path);
    CurrentFileTitle = baseName(group.path) + QStringLiteral(" [") + where + u']';
    m_onDisk = group.onDisk;
    m_kind = group.group.kind;
    m_group = GroupPlace{variable.folder, variable.name, picture.comment, std::move(group.group)};
    m_planes.reset();
    m_document.menus.fileRead();
    m_texts = {picture.folder, picture.name, picture.comment};
    m_document.replace(std::move(picture.pixels), picture.width, picture.height); // a new history
    fileHoldsDocument();
    if (addToRecent)
        m_recent.push(CurrentFile, baseName(group.path));
    SessionOutcome outcome;
    outcome.ok = outcome.pictureReplaced = outcome.fileTitleChanged = true;
    outcome.recentChanged = addToRecent;
    return outcome;
}

CalcPicture FileSession::asPicture(CalcKind kind) const
{
    return {m_texts.folder, m_texts.name, m_texts.comment, m_document.width(), m_document.height(), m_document.pixels(), kind};
}

QString FileSession::groupVariableInTheWay()
{
    if (!m_group)
        return {};
    // The picture's own variables (a grey picture's two) are not in the way.
    const std::vector<std::string> own = m_planes ? std::vector{m_planes->names.light, m_planes->names.dark}
                                                  : std::vector{m_group->name};
    const std::vector<std::string> names = variableNames();
    if (m_texts.folder == m_group->folder && names == own)
        return {};
    // What the group holds now, as the save will find it.
    Outcome<GroupOnDisk> now = readGroupAt(CurrentFile);
    const GroupFile &group = now ? now->group : m_group->group;
    for (const std::string &name : names) {
        const bool itsOwn = m_texts.folder == m_group->folder && std::find(own.begin(), own.end(), name) != own.end();
        if (!itsOwn && findVariable(group, m_texts.folder, name) >= 0)
            return shownVariable(m_texts.folder, name);
    }
    return {};
}

QString FileSession::heldInGroup(const GroupOnDisk &group) const
{
    for (const std::string &name : variableNames())
        if (findVariable(group.group, m_texts.folder, name) >= 0)
            return shownVariable(m_texts.folder, name);
    return {};
}

SessionOutcome FileSession::writeIntoGroup(const WriteGuard &guard)
{
    // The group as it is now: what another program changed in its other variables stays.
    // When it cannot be read the group as last read or written is written whole.
    Outcome<GroupOnDisk> now = readGroupAt(CurrentFile);
    GroupFile group = now ? std::move(now->group) : m_group->group;
    std::optional<GroupEntry> variable = pictureVariable(asPicture(group.kind));
    if (!variable)
        return refused(describe(pictureFailure(CurrentFile, Picture89iError::TooLargeToWrite)));
    putInPlaceOf(group, m_group->folder, m_group->name, std::move(*variable));
    if (m_texts.comment != m_group->comment) // the group's one comment, shown in the box
        group.comment = m_texts.comment;
    const Outcome<QByteArray> bytes = encodeGroupFile(CurrentFile, group);
    if (!bytes)
        return refused(describe(bytes.failure()));
    if (const Done written = m_files.writeGuarded(CurrentFile, *bytes, guard); !written)
        return refused(describe(written.failure()));
    const bool renamed = m_texts.folder != m_group->folder || m_texts.name != m_group->name;
    m_group = GroupPlace{m_texts.folder, m_texts.name, m_texts.comment, std::move(group)};
    CurrentFileTitle = baseName(CurrentFile) + QStringLiteral(" [") + shownVariable(m_texts.folder, m_texts.name) + u']';
    m_document.menus.fileWritten();
    SessionOutcome outcome;
    outcome.ok = true;
    outcome.fileTitleChanged = renamed;
    return outcome;
}

SessionOutcome FileSession::addToGroup(GroupOnDisk target)
{
    const QString notAdded = (variableNames().size() > 1 ? tr("%1 were not added to %2.") : tr("%1 was not added to %2."))
                                 .arg(shownVariables(), nativePath(target.path))
                             + u'\r';
    std::vector<GroupEntry> variables = variablesFor(target.group.kind);
    if (variables.empty())
        return refused(notAdded + describe(pictureFailure(target.path, Picture89iError::TooLargeToWrite)));
    for (GroupEntry &variable : variables)
        putVariable(target.group, std::move(variable));
    const Outcome<QByteArray> bytes = encodeGroupFile(target.path, target.group);
    if (!bytes)
        return refused(notAdded + describe(bytes.failure()));
    if (const Done written = m_files.writeGuarded(target.path, *bytes, {target.onDisk, true}); !written)
        return refused(notAdded + describe(written.failure()));
    // Written over the picture's own group as it was: its next save need not ask.
    if (absoluteCleanPath(target.path) == CurrentFile && target.onDisk == m_onDisk)
        m_onDisk = m_files.identify(CurrentFile);
    SessionOutcome outcome;
    outcome.ok = true;
    return outcome;
}
