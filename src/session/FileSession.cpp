#include "session/FileSession.h"

#include "calc/ByteConversions.h"
#include "calc/PictureFile.h"
#include "document/Picture89i.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"
#include "platform/ShownNames.h"
#include "session/AppInfo.h"
#include "session/FileNames.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

namespace {
QString notSaved() { return QCoreApplication::translate("FileSession", "Current image not saved. Save it or clear it."); }

QString onePlaneOnly()
{
    return QCoreApplication::translate("FileSession", "The picture has four grey levels; a picture file holds one black-and-white "
                                                      "picture. Save As writes it as a group of two pictures or as two picture files.");
}

SessionOutcome done(bool pictureReplaced = false, bool fileTitleChanged = false, bool recentChanged = false)
{
    SessionOutcome outcome;
    outcome.ok = true;
    outcome.pictureReplaced = pictureReplaced;
    outcome.fileTitleChanged = fileTitleChanged;
    outcome.recentChanged = recentChanged;
    return outcome;
}

SessionOutcome cannotOpen(const QString &path, const QString &reason)
{
    return SessionOutcome::refused(
        QCoreApplication::translate("FileSession", "Can't open %1\r%2").arg(FileSession::nativePath(path), reason),
        AppInfo::title);
}

SessionOutcome cannotOpen(const Failure &failure) { return cannotOpen(failure.path, describe(failure)); }
} // namespace

QString FileSession::nativePath(const QString &path)
{
    return shownName(QDir::toNativeSeparators(path), kMessageNameLength);
}

QString FileSession::savingError(const QString &shownFile, const QString &why)
{
    return tr("ERROR in Saving!\r%1\r%2").arg(shownFile, why);
}

QString FileSession::writeError(const QString &shownFile, const QString &why)
{
    return tr("Disk write error\r%1\r%2").arg(shownFile, why);
}

SessionOutcome SessionOutcome::refused(const QString &message, const QString &caption)
{
    SessionOutcome outcome;
    outcome.message = message;
    outcome.caption = caption;
    return outcome;
}

void FileSession::startUp()
{
    m_document.menus.startUp();
    m_recent.read(m_settings);
    m_document.replace(PixelGrid(PictureDocument::kScreenWidth, PictureDocument::kScreenHeight),
                       PictureDocument::kScreenWidth, PictureDocument::kScreenHeight);
}

SessionOutcome FileSession::openFile(const QString &path, const QString &title, bool addToRecent)
{
    // Taken before the read: a change made while it reads shows at the next save.
    const FileIdentity onDisk = m_files.identify(path);
    // Whatever the format can hold can be shown, edited and saved again; nothing beyond.
    Outcome<CalcPicture> read = readPictureFile(m_files, path);
    if (!read)
        return cannotOpen(read.failure());
    CalcPicture &picture = *read;
    CurrentFile = absoluteCleanPath(path); // the same name from any folder
    CurrentFileTitle = title;
    m_onDisk = onDisk;
    m_group.reset();
    m_planes.reset();
    m_document.menus.fileRead();
    m_texts = {picture.folder, picture.name, picture.comment};
    m_kind = picture.kind;
    m_document.replace(std::move(picture.pixels), picture.width, picture.height); // a new history
    fileHoldsDocument();
    if (addToRecent)
        m_recent.push(CurrentFile, CurrentFileTitle);
    return done(true, true, addToRecent);
}

SessionOutcome FileSession::groupRefused(const Failure &failure) { return cannotOpen(failure); }

SessionOutcome FileSession::mayReplacePicture() const
{
    return m_document.hasUnsavedWork() ? SessionOutcome::refused(notSaved(), AppInfo::title) : done();
}

SessionOutcome FileSession::uncarriedName(const QByteArray &name)
{
    return cannotOpen(shownBytes(name), uncarriedNameReason());
}

SessionOutcome FileSession::openChosen(const QString &path, const QString &title)
{
    if (!hasPictureEnding(path))
        return SessionOutcome::refused(tr("Not a valid filename!"), AppInfo::title);
    return openFile(path, title, true);
}

SessionOutcome FileSession::openDropped(const QStringList &paths)
{
    if (paths.isEmpty())
        return done();
    const QString path = QDir::toNativeSeparators(paths.first()); // further files are ignored
    if (!hasPictureEnding(path))
        return SessionOutcome::refused(tr("Oops! The filename must have a '89i' extension."), tr("Drag/Drop Error"));
    // A drop would replace the drawing without a word: it has to be saved first.
    if (m_document.hasUnsavedWork())
        return SessionOutcome::refused(notSaved(), AppInfo::title);
    return openFile(path, baseName(path), true);
}

SessionOutcome FileSession::openRecent(int index)
{
    if (m_document.hasUnsavedWork())
        return SessionOutcome::refused(notSaved(), AppInfo::title);
    const QString path = m_recent.at(index).path;
    if (!hasPictureEnding(path))
        return SessionOutcome::refused(tr("Not a valid filename!"), AppInfo::title);
    return openFile(path, baseName(path), false); // the list keeps its order
}

CalcKind FileSession::kind() const { return kindFromEnding(CurrentFile.right(3).toStdString()).value_or(m_kind); }

SessionOutcome FileSession::write(const QString &path, CalcKind kind, const WriteGuard *guard)
{
    const EncodeResult encoded = this->encoded(kind);
    if (encoded.error != Picture89iError::None)
        return SessionOutcome::refused(describe(pictureFailure(path, encoded.error)), AppInfo::title);
    const QByteArray bytes = asByteArray(encoded.bytes);
    const Done written = guard ? m_files.writeGuarded(path, bytes, *guard) : m_files.writeAll(path, bytes);
    if (!written)
        return SessionOutcome::refused(describe(written.failure()), AppInfo::title);
    m_document.menus.fileWritten();
    return done();
}

SessionOutcome FileSession::save() { return saveGuarded({m_onDisk, true}); }

std::optional<FileIdentity> FileSession::changedOnDisk()
{
    if (CurrentFile.isEmpty())
        return std::nullopt;
    FileIdentity now = m_files.identify(CurrentFile);
    if (now == m_onDisk)
        return std::nullopt;
    return now;
}

SessionOutcome FileSession::saveReplacing(const FileIdentity &found)
{
    const bool linkOpenedThrough = found.link && m_onDisk.link && found.linkDevice == m_onDisk.linkDevice
                                   && found.linkInode == m_onDisk.linkInode && found.linkTarget == m_onDisk.linkTarget;
    return saveGuarded({found, linkOpenedThrough});
}

SessionOutcome FileSession::saveGuarded(const WriteGuard &guard)
{
    if (m_planes)
        return savePlanes(guard);
    if (greyInOnePicture())
        return SessionOutcome::refused(savingError(nativePath(CurrentFile), onePlaneOnly()), AppInfo::title);
    SessionOutcome outcome = m_group ? writeIntoGroup(guard) : write(CurrentFile, kind(), &guard);
    if (!outcome.ok)
        outcome.message = savingError(nativePath(CurrentFile), outcome.message);
    else
    {
        m_onDisk = m_files.identify(CurrentFile);
        fileHoldsDocument();
    }
    return outcome;
}

void FileSession::fileHoldsDocument()
{
    m_savedTexts = m_texts;
    m_document.textsEdited = false;
    m_document.markSaved();
}

FileSession::SaveAsTarget FileSession::saveAsTarget(const QString &chosen, int filterIndex) const
{
    QString name = chosen;
    if (filterIndex == 2 && !hasBitmapEnding(name))
        name += QStringLiteral(".bmp");
    // The other calculators' filters, after the bitmap one, add their ending to a bare name
    // (the first filter adds none: such a name is refused).
    static const QStringList kFilterEndings = {QStringLiteral(".9xi"), QStringLiteral(".v2i"), QStringLiteral(".92i")};
    if (filterIndex >= 3 && filterIndex - 3 < kFilterEndings.size() && !hasPictureEnding(name) && !hasBitmapEnding(name))
        name += kFilterEndings[filterIndex - 3];
    // The dialog asked about the name as typed; an ending added to it names another file.
    const bool askToReplace = name != chosen && m_files.exists(name);
    if (hasBitmapEnding(name))
        return {SaveAsTarget::Kind::Bitmap, name, askToReplace};
    if (!hasPictureEnding(name))
        return {SaveAsTarget::Kind::InvalidName, name};
    return {SaveAsTarget::Kind::Picture, name, askToReplace};
}

SessionOutcome FileSession::saveAs(const QString &path, const QString &title)
{
    const CalcKind kind = kindFromEnding(path.right(3).toStdString()).value_or(CalcKind::TI89);
    SessionOutcome outcome = m_document.isGrey() ? SessionOutcome::refused(onePlaneOnly(), AppInfo::title) : write(path, kind);
    if (!outcome.ok) {
        outcome.message = writeError(nativePath(path), outcome.message);
        return outcome;
    }
    CurrentFile = path;
    CurrentFileTitle = title;
    m_onDisk = m_files.identify(path);
    m_kind = kind;
    m_group.reset(); // the picture has a file of its own now
    m_planes.reset();
    m_document.menus.savedAs();
    fileHoldsDocument();
    m_recent.push(CurrentFile, CurrentFileTitle);
    return done(false, true, true);
}

SessionOutcome FileSession::exportBitmap(const QString &path, const QImage &shown)
{
    const auto failed = [&path](const Failure &failure) {
        return SessionOutcome::refused(tr("Can't write the bitmap %1\r%2").arg(nativePath(path), describe(failure)),
                                       AppInfo::title);
    };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(shown.convertToFormat(QImage::Format_RGB888)))
        return failed({Failure::What::CannotEncode, path, writer.errorString()});
    const Done written = m_files.writeAll(path, bytes);
    if (!written)
        return failed(written.failure());
    return done();
}

FileSession::Guarded FileSession::toolbarCommand(const QString &key) const
{
    const FileMenuState &state = m_document.menus;
    if (key == QStringLiteral("Open"))
        return m_document.hasUnsavedWork() ? Guarded{Command::None, notSaved()} : Guarded{Command::Open, {}};
    if (key == QStringLiteral("Save")) {
        if (!state.knownFile && !state.pictureShown)
            return {Command::None, tr("Nothing to save.")};
        return {CurrentFile.isEmpty() ? Command::SaveAs : Command::Save, {}};
    }
    if (key == QStringLiteral("Print"))
        return state.pictureShown ? Guarded{Command::Print, {}} : Guarded{Command::None, tr("Nuttin' to print.")};
    if (key == QStringLiteral("Help"))
        return {Command::Instructions, {}};
    return {};
}
