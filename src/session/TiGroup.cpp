#include "session/TiGroup.h"

#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "calc/DocumentWords.h"

#include "document/TiGroupFile.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

namespace {

Failure damaged(const QString &path, const QString &why) { return {Failure::What::DamagedPicture, path, why}; }

QString entryName(const GroupEntry &entry) { return plainVariableName(entry.folder, entry.name); }

QString checksumWarning(const GroupEntry &entry, VariableNaming naming)
{
    return QCoreApplication::translate("TiGroup", "the checksum of %1 disagrees with its data")
        .arg(naming(entry.folder, entry.name));
}

void addWarnings(const GroupReadResult &read, QStringList *warnings, VariableNaming naming)
{
    if (!warnings)
        return;
    for (const int index : read.checksumMismatches)
        *warnings << checksumWarning(read.group.entries[size_t(index)], naming);
}

Outcome<GroupFile> decode68k(const QString &path, const QByteArray &bytes, QStringList *warnings, VariableNaming naming)
{
    const GroupReadResult read = readGroup(asBytes(bytes));
    if (read.error != GroupError::None)
        return damaged(path, groupReason(read.error, read.entry, CalcCharset::toUnicode(read.entryName)));
    addWarnings(read, warnings, naming);
    return read.group;
}

// Why the archive cannot be read, for the errors that are the whole archive's.
QString archiveReason(TigError error)
{
    switch (error) {
    case TigError::NoEndRecord:
        return QCoreApplication::translate("TiGroup", "The TIGroup cannot be read: no ZIP end record closes it (it is no ZIP archive, or it is cut short).");
    case TigError::Spanned:
        return QCoreApplication::translate("TiGroup", "The TIGroup cannot be read: it is one part of an archive spread over several files.");
    case TigError::Zip64:
        return QCoreApplication::translate("TiGroup", "The TIGroup cannot be read: it uses ZIP64 records, which calculator groups never need.");
    case TigError::DirectoryOutside:
        return QCoreApplication::translate("TiGroup", "The TIGroup cannot be read: its list of members does not lie where its end record says.");
    case TigError::BadRecord:
        return QCoreApplication::translate("TiGroup", "The TIGroup cannot be read: its list of members is damaged.");
    case TigError::ArchiveTooLarge:
        return QCoreApplication::translate("TiGroup", "The TIGroup cannot be unpacked: its members add up to more than %1 MiB.").arg(kTigArchiveLimit >> 20);
    case TigError::TooManyVariables:
        return QCoreApplication::translate("TiGroup", "The TIGroup holds more than %1 variables, more than a group file holds.")
            .arg(kTigVariableLimit);
    default:
        return {};
    }
}

// Why the member `member` (shown as it stands) cannot be read or unpacked.
QString memberReason(TigError error, const QString &member)
{
    switch (error) {
    case TigError::MemberOutside:
        return QCoreApplication::translate("TiGroup", "The TIGroup's member %1 lies outside the file.").arg(member);
    case TigError::MembersOverlap:
        return QCoreApplication::translate("TiGroup", "The TIGroup's member %1 shares its bytes with another member.").arg(member);
    case TigError::LocalDisagrees:
        return QCoreApplication::translate("TiGroup", "The TIGroup's member %1 has a header that disagrees with the archive's list of members.").arg(member);
    case TigError::Encrypted:
        return QCoreApplication::translate("TiGroup", "The TIGroup's member %1 is encrypted.").arg(member);
    case TigError::UnknownMethod:
        return QCoreApplication::translate("TiGroup", "The TIGroup's member %1 cannot be unpacked: it is compressed by a method other than deflate.").arg(member);
    case TigError::TooLarge:
        return QCoreApplication::translate("TiGroup", "The TIGroup's member %1 cannot be unpacked: it is larger than %2 MiB.").arg(member).arg(kTigMemberLimit >> 20);
    case TigError::BadData:
        return QCoreApplication::translate("TiGroup", "The TIGroup's member %1 cannot be unpacked: its data are damaged.").arg(member);
    case TigError::WrongCrc:
        return QCoreApplication::translate("TiGroup", "The TIGroup's member %1 cannot be unpacked: its CRC disagrees with its data.").arg(member);
    default:
        return archiveReason(error);
    }
}

QString tooLargeToMake()
{
    return QCoreApplication::translate("TiGroup", "The TIGroup cannot be made: it would reach 4 GiB or 65,535 members.");
}

QString memberName(const std::string &name) { return QString::fromUtf8(name.data(), qsizetype(name.size())); }

// A TIGroup's variables as a group: in member order, with a folder entry wherever the
// folder changes, as a 68k group of the same variables has them; one variable alone has
// none, as a single variable file.
GroupFile groupOf(std::vector<TigVariable> &variables)
{
    GroupFile group;
    group.entries.clear();
    if (variables.empty())
        return group;
    group.kind = variables.front().kind;
    group.defaultFolder = variables.front().variable.folder;
    const bool folders = variables.size() > 1;
    for (TigVariable &v : variables) {
        if (folders && (group.entries.empty() || group.entries.back().folder != v.variable.folder))
            group.entries.push_back({v.variable.folder, kGroupFolderType, 0, {}, {}});
        group.entries.push_back(std::move(v.variable));
    }
    return group;
}

// A name as part of a member's name: a group read from a file may hold any bytes in its
// names, and none may make the member land outside the folder it is unpacked into.
QString memberPart(const std::string &name)
{
    QString part = CalcCharset::toUnicode(name);
    for (QChar &c : part)
        if (c == u'/' || c == u'\\' || !c.isPrint())
            c = u'_';
    return part;
}

TigTime now()
{
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

// One member a variable, named "folder.name.ending"; nothing when one cannot be made.
std::optional<TigArchive> archiveOf(const GroupFile &group)
{
    TigArchive archive;
    const TigTime time = now();
    for (size_t i = 0; i < group.entries.size(); ++i) {
        const GroupEntry &variable = group.entries[i];
        if (variable.isFolder())
            continue;
        const QString name = memberPart(variable.folder) + u'.' + memberPart(variable.name) + u'.'
                             + QString::fromStdString(variableFileEnding(group.kind, variable.type));
        std::optional<TigMember> member = makeTigMember(name.toStdString(), singleVariableFile(group, int(i)), time);
        if (!member)
            return std::nullopt;
        archive.members.push_back(std::move(*member));
    }
    return archive;
}

} // namespace

bool isTiGroup(const QByteArray &bytes) { return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06"); }

bool isGroupPath(const QString &path)
{
    return path.endsWith(QStringLiteral(".tig"), Qt::CaseInsensitive)
           || kindFromGroupEnding(path.toStdString()).has_value();
}

QString plainVariableName(const std::string &folder, const std::string &name)
{
    return CalcCharset::toUnicode(folder) + u'\\' + CalcCharset::toUnicode(name);
}

Outcome<GroupFile> decodeGroupFile(const QString &path, const QByteArray &bytes, QStringList *warnings, VariableNaming naming)
{
    return isTiGroup(bytes) ? decodeTiGroup(path, bytes, warnings, naming) : decode68k(path, bytes, warnings, naming);
}

Outcome<QByteArray> encodeGroupFile(const QString &path, const GroupFile &group)
{
    if (path.endsWith(QStringLiteral(".tig"), Qt::CaseInsensitive))
        return encodeTiGroup(path, group);
    const std::optional<std::vector<uint8_t>> bytes = writeGroup(group);
    if (!bytes)
        return Failure{Failure::What::CannotEncode, path, groupReason(groupWriteError(group))};
    return asByteArray(*bytes);
}

Outcome<GroupFile> decodeTiGroup(const QString &path, const QByteArray &bytes, QStringList *warnings, VariableNaming naming)
{
    TigReadResult read = readTigArchive(asBytes(bytes));
    if (read.error != TigError::None)
        return damaged(path, memberReason(read.error, memberName(read.member)));
    TigVariables found = tigVariables(read.archive);
    if (found.error == TigError::NotVariable) {
        const QString why = groupReason(found.groupError, found.groupEntry, CalcCharset::toUnicode(found.groupEntryName));
        return damaged(path, QCoreApplication::translate("TiGroup", "The TIGroup's member %1 is no calculator variable: %2")
                                 .arg(memberName(found.memberName), why));
    }
    if (found.error != TigError::None)
        return damaged(path, memberReason(found.error, memberName(found.memberName)));
    for (const TigVariable &v : found.variables)
        if (!v.checksumAgrees && warnings)
            *warnings << checksumWarning(v.variable, naming);
    return groupOf(found.variables);
}

Outcome<QByteArray> encodeTiGroup(const QString &path, const GroupFile &group)
{
    const std::optional<TigArchive> archive = archiveOf(group);
    const std::optional<std::vector<uint8_t>> zip = archive ? writeTigArchive(*archive) : std::nullopt;
    if (!zip)
        return Failure{Failure::What::CannotEncode, path, tooLargeToMake()};
    return asByteArray(*zip);
}

namespace {

// Every member that holds folder\name, by its index.
std::vector<size_t> holdersOf(const std::vector<TigVariable> &variables, const std::string &folder, const std::string &name)
{
    std::vector<size_t> members;
    for (const TigVariable &v : variables)
        if (v.variable.folder == folder && v.variable.name == name
            && std::find(members.begin(), members.end(), v.member) == members.end())
            members.push_back(v.member);
    return members;
}

size_t variablesIn(const std::vector<TigVariable> &variables, size_t member)
{
    return size_t(std::count_if(variables.begin(), variables.end(), [&](const TigVariable &v) { return v.member == member; }));
}

const TigVariable *firstOf(const std::vector<TigVariable> &variables, size_t member)
{
    for (const TigVariable &v : variables)
        if (v.member == member)
            return &v;
    return nullptr;
}

// The comment a member's own file holds (its header's), empty when it cannot be read.
std::string memberComment(const TigMember &member)
{
    const TigUnpacked content = memberContent(member);
    return content.error == TigError::None ? readGroup(content.bytes).group.comment : std::string();
}

Failure cannotKeep(const QString &path, const QString &why) { return {Failure::What::CannotEncode, path, why}; }

} // namespace

Outcome<QByteArray> changedTiGroup(const QString &path, const QByteArray &bytes, const GroupChange &change)
{
    TigReadResult read = readTigArchive(asBytes(bytes));
    if (read.error != TigError::None)
        return damaged(path, memberReason(read.error, memberName(read.member)));
    TigArchive &archive = read.archive;
    const TigVariables found = tigVariables(archive);
    if (found.error != TigError::None)
        return decodeTiGroup(path, bytes).failure(); // worded as opening it would
    std::vector<std::optional<TigMember>> members(archive.members.size()); // a replacement, or the member
    std::vector<bool> gone(archive.members.size(), false);
    std::vector<TigMember> added;
    const TigTime time = now();
    for (size_t i = 0; i < change.variables.size(); ++i) {
        const GroupEntry &variable = change.variables[i];
        const std::string &old = i < change.oldNames.size() ? change.oldNames[i] : variable.name;
        const std::vector<size_t> mine = holdersOf(found.variables, change.folder, old);
        std::vector<size_t> inTheWay = holdersOf(found.variables, variable.folder, variable.name);
        std::erase_if(inTheWay, [&](size_t m) { return std::find(mine.begin(), mine.end(), m) != mine.end(); });
        const QString shown = entryName(GroupEntry{old, 0, 0, change.folder, {}});
        if (mine.size() > 1 || inTheWay.size() > 1)
            return cannotKeep(path, QCoreApplication::translate("TiGroup", "The TIGroup holds %1 in two members, %2 and %3: "
                                                                           "which one to replace cannot be told.")
                                        .arg(mine.size() > 1 ? shown : entryName(variable),
                                             memberName(archive.members[mine.size() > 1 ? mine[0] : inTheWay[0]].name),
                                             memberName(archive.members[mine.size() > 1 ? mine[1] : inTheWay[1]].name)));
        for (const std::vector<size_t> *holders : {&mine, static_cast<const std::vector<size_t> *>(&inTheWay)})
            for (const size_t m : *holders)
                if (variablesIn(found.variables, m) > 1)
                    return cannotKeep(path, QCoreApplication::translate("TiGroup", "The TIGroup's member %1 holds other "
                                                                                   "variables beside %2, which a rewrite of it would lose.")
                                                .arg(memberName(archive.members[m].name), entryName(firstOf(found.variables, m)->variable)));
        for (const size_t m : inTheWay)
            gone[m] = true;
        // The variable's file, of its member's calculator and comment unless the change says otherwise.
        const TigVariable *was = mine.empty() ? nullptr : firstOf(found.variables, mine[0]);
        const CalcKind kind = was ? was->kind : change.kind;
        const std::string comment = change.comment ? *change.comment : was ? memberComment(archive.members[mine[0]]) : std::string();
        const GroupFile single{kind, variable.folder, comment, {variable}, {}};
        const bool sameName = was && variable.folder == change.folder && variable.name == old;
        const QString name = sameName ? memberName(archive.members[mine[0]].name)
                                      : memberPart(variable.folder) + u'.' + memberPart(variable.name) + u'.'
                                            + QString::fromStdString(variableFileEnding(kind, variable.type));
        std::optional<TigMember> member = makeTigMember(name.toStdString(), singleVariableFile(single, 0), time);
        if (!member)
            return cannotKeep(path, tooLargeToMake());
        if (was)
            members[mine[0]] = std::move(*member);
        else
            added.push_back(std::move(*member));
    }
    TigArchive changed{{}, archive.comment};
    for (size_t m = 0; m < archive.members.size(); ++m)
        if (!gone[m])
            changed.members.push_back(members[m] ? std::move(*members[m]) : std::move(archive.members[m]));
    std::move(added.begin(), added.end(), std::back_inserter(changed.members));
    const std::optional<std::vector<uint8_t>> zip = writeTigArchive(changed);
    if (!zip)
        return cannotKeep(path, tooLargeToMake());
    return asByteArray(*zip);
}
