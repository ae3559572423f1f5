#include "session/TiGroup.h"

#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "calc/DocumentWords.h"

#include <archive.h>
#include <archive_entry.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <memory>

namespace {

// No variable comes near this; a member that claims more is refused rather than unpacked.
constexpr la_int64_t kMaxMemberSize = 16 * 1024 * 1024;
constexpr qsizetype kMaxUnpacked = 64 * 1024 * 1024;

using ReadArchive = std::unique_ptr<archive, decltype(&archive_read_free)>;
using WriteArchive = std::unique_ptr<archive, decltype(&archive_write_free)>;

Failure damaged(const QString &path, const QString &why) { return {Failure::What::DamagedPicture, path, why}; }

QString archiveWords(archive *a)
{
    const char *words = archive_error_string(a);
    return words ? QString::fromLocal8Bit(words) : QCoreApplication::translate("TiGroup", "unknown error");
}

QString unreadable(archive *a)
{
    return QCoreApplication::translate("TiGroup", "The TIGroup cannot be read: %1.").arg(archiveWords(a));
}

QString entryName(const GroupEntry &entry)
{
    return CalcCharset::toUnicode(entry.folder) + u'\\' + CalcCharset::toUnicode(entry.name);
}

void addWarnings(const GroupReadResult &read, QStringList *warnings)
{
    if (!warnings)
        return;
    for (const int index : read.checksumMismatches)
        *warnings << QCoreApplication::translate("TiGroup", "the checksum of %1 disagrees with its data")
                         .arg(entryName(read.group.entries[size_t(index)]));
}

Outcome<GroupFile> decode68k(const QString &path, const QByteArray &bytes, QStringList *warnings)
{
    const GroupReadResult read = readGroup(asBytes(bytes));
    if (read.error != GroupError::None)
        return damaged(path, groupReason(read.error, read.entry, CalcCharset::toUnicode(read.entryName)));
    addWarnings(read, warnings);
    return read.group;
}

// One member's bytes; false after an error of the archive or a member too large.
bool readMember(archive *a, archive_entry *entry, QByteArray &out, qsizetype &unpacked)
{
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > kMaxMemberSize)
        return false;
    char buffer[65536];
    for (la_ssize_t got; (got = archive_read_data(a, buffer, sizeof buffer)) != 0;) {
        if (got < 0 || out.size() + got > kMaxMemberSize || (unpacked += got) > kMaxUnpacked)
            return false;
        out.append(buffer, got);
    }
    return true;
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

la_ssize_t appendToBuffer(archive *, void *buffer, const void *data, size_t size)
{
    static_cast<QByteArray *>(buffer)->append(static_cast<const char *>(data), qsizetype(size));
    return la_ssize_t(size);
}

bool writeMember(archive *a, const QString &name, const std::vector<uint8_t> &bytes)
{
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
    const QByteArray utf8 = name.toUtf8();
    archive_entry_set_pathname(entry.get(), utf8.constData());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), la_int64_t(bytes.size()));
    return archive_write_header(a, entry.get()) == ARCHIVE_OK
           && archive_write_data(a, bytes.data(), bytes.size()) == la_ssize_t(bytes.size());
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
    ReadArchive a(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(a.get());
    if (archive_read_open_memory(a.get(), bytes.constData(), size_t(bytes.size())) != ARCHIVE_OK)
        return damaged(path, unreadable(a.get()));
    GroupFile group;
    group.entries.clear();
    bool kindKnown = false;
    qsizetype unpacked = 0;
    archive_entry *entry = nullptr;
    int status;
    while ((status = archive_read_next_header(a.get(), &entry)) == ARCHIVE_OK) {
        if (archive_entry_filetype(entry) != AE_IFREG)
            continue;
        const QString member = QString::fromUtf8(archive_entry_pathname(entry));
        QByteArray data;
        if (!readMember(a.get(), entry, data, unpacked))
            return damaged(path, QCoreApplication::translate("TiGroup", "The TIGroup's member %1 cannot be unpacked.").arg(member));
        Outcome<GroupFile> variables = decode68k(path, data, warnings);
        if (!variables)
            return damaged(path, QCoreApplication::translate("TiGroup", "The TIGroup's member %1 is no calculator variable: %2")
                                     .arg(member, variables.failure().detail));
        if (!kindKnown)
            group.kind = variables->kind, kindKnown = true;
        for (GroupEntry &variable : variables->entries)
            if (!variable.isFolder())
                putVariable(group, std::move(variable));
    }
    if (status != ARCHIVE_EOF)
        return damaged(path, unreadable(a.get()));
    return group;
}

Outcome<QByteArray> encodeTiGroup(const QString &path, const GroupFile &group)
{
    QByteArray zip;
    WriteArchive a(archive_write_new(), archive_write_free);
    bool ok = archive_write_set_format_zip(a.get()) == ARCHIVE_OK
              && archive_write_open(a.get(), &zip, nullptr, appendToBuffer, nullptr) == ARCHIVE_OK;
    for (size_t i = 0; ok && i < group.entries.size(); ++i) {
        const GroupEntry &variable = group.entries[i];
        if (variable.isFolder())
            continue;
        const QString name = memberPart(variable.folder) + u'.' + memberPart(variable.name) + u'.'
                             + QString::fromStdString(variableFileEnding(group.kind, variable.type));
        ok = writeMember(a.get(), name, singleVariableFile(group, int(i)));
    }
    if (!ok || archive_write_close(a.get()) != ARCHIVE_OK)
        return Failure{Failure::What::CannotEncode, path,
                       QCoreApplication::translate("TiGroup", "The TIGroup cannot be made: %1.").arg(archiveWords(a.get()))};
    return zip;
}
