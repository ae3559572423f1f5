#pragma once

#include <QByteArray>
#include <QtGlobal>

// What a path names at one moment: enough to tell later whether another program has since
// changed the file, put another one in its place, removed it or turned the path into a
// symbolic link. Two identities are the same state only when every field but `links` agrees.
struct FileIdentity
{
    enum class Kind { Missing, File, Other }; // Other: a folder, a pipe, a device, unreadable
    Kind kind = Kind::Missing;                // of what the path finally names

    // The path itself, when it is a symbolic link: which link it is and what it says.
    bool link = false;
    quint64 linkDevice = 0;
    quint64 linkInode = 0;
    QByteArray linkTarget;

    // The file the path finally names.
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;                 // bytes
    qint64 modifiedSeconds = 0;      // since 1970, with the nanoseconds below
    qint64 modifiedNanoseconds = 0;
    // A digest of the content: the clock that stamps files ticks in milliseconds, so a
    // rewrite of the same length within one tick shows only here. Empty for a file too
    // large or not readable.
    QByteArray digest;
    // How many names the file has (hard links; 0 when missing). Not part of its state:
    // another name made for a file is no change of the file, but a write breaks the link.
    quint64 links = 0;

    // The same link at the path, saying the same (or no link, both).
    bool sameLinkAs(const FileIdentity &other) const
    {
        return link == other.link && linkDevice == other.linkDevice && linkInode == other.linkInode
               && linkTarget == other.linkTarget;
    }
    // The same file finally named, with the same length, time and content (`content` false:
    // the content not compared, for an identity taken without its digest).
    bool sameFileAs(const FileIdentity &other, bool content = true) const
    {
        return kind == other.kind && device == other.device && inode == other.inode && size == other.size
               && modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds
               && (!content || digest == other.digest);
    }
    bool operator==(const FileIdentity &other) const { return sameLinkAs(other) && sameFileAs(other); }
};

// A write that replaces a file the program knows: it goes ahead only while the path still
// names `expected`, checked just before the file on disk changes.
struct WriteGuard
{
    FileIdentity expected;
    // Whether a symbolic link at the path is followed (the file it names is written) or is
    // itself replaced by the file. A link that was there when the file was opened is
    // followed; one that came since is not.
    bool followLink = true;
};
