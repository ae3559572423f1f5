#include "session/TiGroup.h"

#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "calc/DocumentWords.h"

#include "document/TiGroupFile.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

Failure damaged(const QString &path, const QString &why) { return {Failure::What::DamagedPicture, path, why}; }

QString entryName(const GroupEntry &entry)
{
    return CalcCharset::toUnicode(entry.folder) + u'\\' + CalcCharset::toUnicode(entry.name);
}

QString checksumWarning(const GroupEntry &entry)
{
    return QCoreApplication::translate("TiGroup", "the checksum of %1 disagrees with its data").arg(entryName(entry));
}

void addWarnings(const GroupReadResult &read, QStringList *warnings)
{
    if (!warnings)
        return;
    for (const int index : read.checksumMismatches)
        *warnings << checksumWarning(read.group.entries[size_t(index)]);
}

Outcome<GroupFile> decode68k(const QString &path, const QByteArray &bytes, QStringList *warnings)
{
    const GroupReadResult read = readGroup(asBytes(bytes));
    if (read.error != GroupError::None)
        return damaged(path, groupReason(read.error, read.entry, CalcCharset::toUnicode(read.entryName)));
    addWarnings(read, warnings);
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

Outcome<GroupFile> decodeGroupFile(const QString &path, const QByteArray &bytes, QStringList *warnings)
{
    return isTiGroup(bytes) ? decodeTiGroup(path, bytes, warnings) : decode68k(path, bytes, warnings);
}

Outcome<QByteArray> encodeGroupFile(const QString &path, const GroupFile &group)
{
    if (path.endsWith(QStringLiteral(".tig"), Qt::CaseInsensitive))
        return encodeTiGroup(path, group);
    const std::optional<std::vector<uint8_t>> bytes = writeGroup(group);
    if (!bytes)
        return Failure{Failure::What::CannotEncode, path, groupReason(GroupError::TooLarge)};
    return asByteArray(*bytes);
}

Outcome<GroupFile> decodeTiGroup(const QString &path, const QByteArray &bytes, QStringList *warnings)
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
            *warnings << checksumWarning(v.variable);
    return groupOf(found.variables);
}

Outcome<QByteArray> encodeTiGroup(const QString &path, const GroupFile &group)
{
    const std::optional<TigArchive> archive = archiveOf(group);
    const std::optional<std::vector<uint8_t>> zip = archive ? writeTigArchive(*archive) : std::nullopt;
    if (!zip)
        return Failure{Failure::What::CannotEncode, path,
                       QCoreApplication::translate("TiGroup", "The TIGroup cannot be made: it would reach 4 GiB or 65,535 members.")};
    return asByteArray(*zip);
}
