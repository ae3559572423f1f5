// Writing a picture into its place: one picture file, variables of a group, two picture
// files. Each write looks at its files once more, changes only what the picture is, and hands
// the bytes to the guarded writer.

#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "calc/PictureFile.h"
#include "document/GreyPicture.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"
#include "session/GroupChange.h"
#include "session/Place.h"

#include <QDir>

namespace {
QString onePlaneOnly()
{
    return QCoreApplication::translate("FileSession", "The picture has four grey levels; a picture file holds one black-and-white "
                                                      "picture. Save As writes it as a group of two pictures or as two picture files.");
}

// The two planes of the picture: a grey one's as they are, a black-and-white one's both
// alike, so that it reads back as the same black and white.
GreyPicture planesOf(const StoredPicture &picture)
{
    return picture.levels == 4 ? greyFromLevels(picture.pixels, picture.width, picture.height)
                               : greyFromPlane(picture.pixels, picture.width, picture.height);
}

// The picture as the variables `names` of `kind`: itself, or its two planes; an error for a
// grey picture as one variable.
Outcome<std::vector<CalcPicture>> variablesOf(const QString &path, const StoredPicture &picture,
                                              const std::vector<std::string> &names, CalcKind kind)
{
    if (names.size() == 1 && picture.levels == 4)
        return Failure{Failure::What::CannotEncode, path, onePlaneOnly()};
    const GreyPicture planes = names.size() == 2 ? planesOf(picture) : GreyPicture();
    std::vector<CalcPicture> variables;
    for (size_t i = 0; i < names.size(); ++i) {
        const PixelGrid &pixels = names.size() == 1 ? picture.pixels : i == 0 ? planes.light : planes.dark;
        variables.push_back({picture.texts.folder, names[i], picture.texts.comment, picture.width, picture.height, pixels, kind});
    }
    return variables;
}

// The same as variables of a group.
Outcome<std::vector<GroupEntry>> groupVariablesOf(const QString &path, const StoredPicture &picture,
                                                  const std::vector<std::string> &names)
{
    const Outcome<std::vector<CalcPicture>> pictures = variablesOf(path, picture, names, picture.kind);
    if (!pictures)
        return pictures.failure();
    std::vector<GroupEntry> variables;
    for (const CalcPicture &one : *pictures) {
        std::optional<GroupEntry> variable = pictureVariable(one);
        if (!variable)
            return pictureFailure(path, checkWritableSize(picture.width, picture.height));
        variables.push_back(std::move(*variable));
    }
    return variables;
}

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

// A file with further names (hard links) is written as a new file, which those names do not
// share: so that no crash can leave it half written. The user is told.
QStringList Place::linksBroken(const QStringList &paths, const std::vector<WriteGuard> &guards)
{
    QStringList notes;
    for (int i = 0; i < paths.size(); ++i)
        if (guards[size_t(i)].expected.links > 1)
            notes << tr("%1 had other names (hard links). It was written as a new file, so that a crash cannot "
                               "leave it half written; the other names keep the version before this save.")
                         .arg(shownPath(paths[i]));
    return notes;
}

Outcome<std::vector<QByteArray>> pictureFilesOf(const StoredPicture &picture, const std::vector<std::string> &names,
                                                CalcKind kind, const QString &path)
{
    const Outcome<std::vector<CalcPicture>> pictures = variablesOf(path, picture, names, kind);
    if (!pictures)
        return pictures.failure();
    std::vector<QByteArray> files;
    for (const CalcPicture &one : *pictures) {
        const EncodeResult encoded = encode89i(one, names.size() == 2 ? FullNameComment::Kept : FullNameComment::Dropped);
        if (encoded.error != Picture89iError::None)
            return pictureFailure(path, encoded.error);
        files.push_back(asByteArray(encoded.bytes));
    }
    return files;
}

Outcome<Place::Written> Place::write(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const
{
    switch (m_shape) {
    case Shape::PictureFile:
        return writePictureFile(files, picture, overwrite);
    case Shape::GroupVariable:
    case Shape::GroupPair:
        return writeIntoGroup(files, picture, overwrite);
    case Shape::FilePair:
        return writeFilePair(files, picture, overwrite);
    case Shape::SourceSprite:
        return writeSprite(files, picture, overwrite);
    }
    return Failure{Failure::What::CannotWrite, path(), {}};
}

// A link at the path is followed when it was there, the very same, when the place last saw
// it; one that came since is itself replaced, never written through.
WriteGuard Place::guardOf(size_t i, const Overwrite &overwrite, const FileIdentity &now) const
{
    using Files = Overwrite::Files;
    if (overwrite.files == Files::AsTheyAre)
        return {now, true};
    if (overwrite.files == Files::AsKnown)
        return {m_onDisk.at(i), true};
    const FileIdentity &found = overwrite.found.at(i), &known = m_onDisk.at(i);
    const bool sameLink = found.link && known.link && found.linkDevice == known.linkDevice
                          && found.linkInode == known.linkInode && found.linkTarget == known.linkTarget;
    return {found, sameLink};
}

std::shared_ptr<const Place> Place::after(FileStore &files, const StoredPicture &picture,
                                          const std::vector<std::string> &names) const
{
    auto place = std::make_shared<Place>(*this);
    place->m_folder = picture.texts.folder;
    place->m_names = names;
    place->m_base = picture.texts.name;
    place->m_comment = picture.texts.comment;
    if (inGroup())
        place->m_shape = names.size() == 2 ? Shape::GroupPair : Shape::GroupVariable;
    else
        place->m_kind = kindFromEnding(path().right(3).toStdString()).value_or(m_kind);
    for (int i = 0; i < m_files.size(); ++i)
        place->m_onDisk[size_t(i)] = files.identify(m_files[i]);
    return place;
}

Outcome<Place::Written> Place::writePictureFile(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const
{
    const CalcKind kind = kindFromEnding(path().right(3).toStdString()).value_or(m_kind);
    const Outcome<std::vector<QByteArray>> bytes = pictureFilesOf(picture, {picture.texts.name}, kind, path());
    if (!bytes)
        return bytes.failure();
    const FileIdentity now = overwrite.files == Overwrite::Files::AsTheyAre ? files.identify(path()) : FileIdentity();
    const WriteGuard guard = guardOf(0, overwrite, now);
    if (const Done done = files.writeGuarded(path(), bytes->front(), guard); !done)
        return done.failure();
    return Written{after(files, picture, {picture.texts.name}), linksBroken({path()}, {guard}), {guard.expected}};
}

// The group is read as it is now and changed; a group that is not there (any more) is made
// anew when the write may replace whatever is there, and one that cannot be read is a
// refusal: never a copy of it kept from before. When the write may take the group as it
// finds it, another program's version that lands between the read and the write is read in
// turn, a few times, so that nothing of it is lost.
Outcome<Place::Written> Place::writeIntoGroup(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const
{
    constexpr int kAttempts = 8;
    const bool again = overwrite.files == Overwrite::Files::AsTheyAre && !overwrite.freshGroup;
    for (int attempt = 1;; ++attempt) {
        Outcome<Written> written = writeGroupOnce(files, picture, overwrite);
        if (written || !again || attempt == kAttempts || written.failure().what != Failure::What::ChangedOnDisk)
            return written;
    }
}

Outcome<Place::Written> Place::writeGroupOnce(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const
{
    const std::vector<std::string> names = namesFor(picture.texts.name, m_names.size() == 2);
    Outcome<std::vector<GroupEntry>> variables = groupVariablesOf(path(), picture, names);
    if (!variables)
        return variables.failure();
    // The group and what the path named as it was read, from one reading: the write goes
    // only over that very file.
    Outcome<FileStore::Read> read = overwrite.freshGroup ? Outcome<FileStore::Read>(FileStore::Read{{}, files.identify(path())})
                                                          : files.readIdentified(path());
    if (!read && read.failure().what == Failure::What::Missing) // nothing there (a link to nothing, maybe)
        read = FileStore::Read{{}, files.identify(path())};
    if (!read)
        return read.failure();
    const FileIdentity &now = read->identity;
    const WriteGuard guard = guardOf(0, overwrite, now);
    if (now != guard.expected)
        return Failure{Failure::What::ChangedOnDisk, path(), {}};
    Outcome<QByteArray> bytes = QByteArray();
    if (overwrite.freshGroup || now.kind == FileIdentity::Kind::Missing) {
        const CalcKind kind = kindFromGroupEnding(path().toStdString()).value_or(m_kind);
        bytes = freshGroup(path(), kind, overwrite.adding ? kNewPictureComment : picture.texts.comment, *variables);
    } else {
        GroupChange change{m_folder, m_names, std::move(*variables), std::nullopt, picture.kind};
        if (!overwrite.adding && picture.texts.comment != m_comment) // the group's one comment, shown in the box
            change.comment = picture.texts.comment;
        bytes = changedGroup(path(), read->bytes, change);
    }
    if (!bytes)
        return bytes.failure();
    if (const Done done = files.writeGuarded(path(), *bytes, guard); !done)
        return done.failure();
    return Written{after(files, picture, names), linksBroken({path()}, {WriteGuard{now, true}}), {guard.expected}};
}

// Both files or neither: when the dark one cannot be written after the light one was, the
// light one gets its old bytes back, or goes when it was not there before.
Outcome<Place::Written> Place::writeFilePair(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const
{
    const std::vector<std::string> names = namesFor(picture.texts.name, true);
    const CalcKind kind = kindFromEnding(path().right(3).toStdString()).value_or(m_kind);
    const Outcome<std::vector<QByteArray>> bytes = pictureFilesOf(picture, names, kind, path());
    if (!bytes)
        return bytes.failure();
    std::vector<WriteGuard> guards;
    for (size_t i = 0; i < 2; ++i)
        guards.push_back(guardOf(i, overwrite, overwrite.files == Overwrite::Files::AsTheyAre ? files.identify(m_files[int(i)])
                                                                                               : FileIdentity()));
    const bool lightWasThere = guards[0].expected.kind != FileIdentity::Kind::Missing;
    const Outcome<QByteArray> lightBefore = lightWasThere ? files.readAll(m_files[0]) : Outcome<QByteArray>(QByteArray());
    if (const Done done = files.writeGuarded(m_files[0], (*bytes)[0], guards[0]); !done)
        return done.failure();
    if (const Done done = files.writeGuarded(m_files[1], (*bytes)[1], guards[1]); !done) {
        const bool restored = lightWasThere ? lightBefore && files.writeAll(m_files[0], *lightBefore).ok()
                                            : files.remove(m_files[0]).ok();
        const QString left = restored ? QCoreApplication::translate("FileSession", "%1 was put back as it was.")
                                            .arg(shownPath(m_files[0]))
                                      : QCoreApplication::translate("FileSession", "%1 holds the light plane; %2 was not written.")
                                            .arg(shownPath(m_files[0]), shownPath(m_files[1]));
        return Failure{Failure::What::CannotWrite, m_files[1], describe(done.failure()) + u'\r' + left};
    }
    return Written{after(files, picture, names), linksBroken(m_files, guards), {guards[0].expected, guards[1].expected}};
}

QString Place::variableInTheWay(FileStore &files, const StoredPicture &picture) const
{
    if (!inGroup())
        return {};
    const std::vector<std::string> names = namesFor(picture.texts.name, m_names.size() == 2);
    const std::string &folder = picture.texts.folder;
    if (folder == m_folder && names == m_names)
        return {};
    const Outcome<GroupOnDisk> now = readGroup(files, path());
    if (!now)
        return {};
    for (const std::string &name : names) {
        const bool itsOwn = folder == m_folder && std::find(m_names.begin(), m_names.end(), name) != m_names.end();
        if (!itsOwn && findVariable(now->group, folder, name) >= 0)
            return CalcCharset::toUnicode(folder) + u'\\' + CalcCharset::toUnicode(name);
    }
    return {};
}
