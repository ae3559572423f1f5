#pragma once

// ZIP archives made by libarchive, a maker independent of ours, for the tests that link it
// (PkgConfig::LIBARCHIVE): what the TIGroup reader gets from other programs.

#include <archive.h>
#include <archive_entry.h>

#include <QByteArray>
#include <string>
#include <vector>

struct ZipSource
{
    std::string name;
    QByteArray data;
    int type = AE_IFREG; // AE_IFDIR, AE_IFLNK (data: the target), AE_IFIFO
};

// How libarchive is asked to write.
enum ZipMaking {
    ZipPlain = 0,
    ZipPadded = 1,    // the last block padded with zeros to 10,240 bytes, as libarchive does by default
    ZipStored = 2,    // no compression
    ZipForced64 = 4,  // ZIP64 records although nothing needs them
    ZipEncrypted = 8, // traditional PKWARE encryption, password "secret"
};

inline QByteArray libarchiveZip(const std::vector<ZipSource> &members, int making = ZipPlain)
{
    QByteArray zip;
    archive *a = archive_write_new();
    archive_write_set_format_zip(a);
    if (making & ZipStored)
        archive_write_set_format_option(a, "zip", "compression", "store");
    if (making & ZipForced64)
        archive_write_set_format_option(a, "zip", "zip64", "1");
    if (making & ZipEncrypted) {
        archive_write_set_format_option(a, "zip", "encryption", "zipcrypt");
        archive_write_set_passphrase(a, "secret");
    }
    if (!(making & ZipPadded))
        archive_write_set_bytes_in_last_block(a, 1);
    archive_write_open(a, &zip, nullptr, [](archive *, void *out, const void *bytes, size_t size) -> la_ssize_t {
        static_cast<QByteArray *>(out)->append(static_cast<const char *>(bytes), qsizetype(size));
        return la_ssize_t(size);
    }, nullptr);
    for (const ZipSource &m : members) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, m.name.c_str());
        archive_entry_set_filetype(entry, unsigned(m.type));
        archive_entry_set_perm(entry, m.type == AE_IFREG ? 0644 : 0755);
        if (m.type == AE_IFLNK)
            archive_entry_set_symlink(entry, m.data.constData());
        const bool withData = m.type == AE_IFREG;
        archive_entry_set_size(entry, withData ? m.data.size() : 0);
        archive_write_header(a, entry);
        if (withData)
            archive_write_data(a, m.data.constData(), size_t(m.data.size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    return zip;
}

// What libarchive reads in an archive: each member's name, and a file member's data; ok
// false when it refuses the archive.
struct ZipRead
{
    std::string name;
    QByteArray data;
    int type = 0;
    long long mtime = 0; // seconds since 1970, as libarchive takes the member's time stamp
    unsigned mode = 0;
};

inline std::vector<ZipRead> libarchiveRead(const QByteArray &zip, bool &ok)
{
    std::vector<ZipRead> read;
    archive *a = archive_read_new();
    archive_read_support_format_zip(a);
    // A name without the UTF-8 flag is in code page 437, whatever the locale.
    archive_read_set_format_option(a, "zip", "hdrcharset", "CP437");
    ok = archive_read_open_memory(a, zip.constData(), size_t(zip.size())) == ARCHIVE_OK;
    archive_entry *entry = nullptr;
    int status = ARCHIVE_FATAL;
    while (ok && (status = archive_read_next_header(a, &entry)) == ARCHIVE_OK) {
        ZipRead member{archive_entry_pathname_utf8(entry), {}, int(archive_entry_filetype(entry)),
                       archive_entry_mtime(entry), archive_entry_mode(entry)};
        char buffer[65536];
        for (la_ssize_t got; (got = archive_read_data(a, buffer, sizeof buffer)) > 0;)
            member.data.append(buffer, got);
        read.push_back(member);
    }
    ok = ok && status == ARCHIVE_EOF;
    archive_read_free(a);
    return read;
}
