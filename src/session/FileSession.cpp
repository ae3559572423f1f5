#include "session/FileSession.h"

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
    m_recent.read(m_settings);
    m_document.startUp();
}

CalcKind FileSession::kind() const { return place() ? place()->kind() : m_kind; }

StoredPicture FileSession::stored() const
{
    return {m_document.texts(), m_document.width(), m_document.height(), m_document.levels(), m_document.pixels(), kind()};
}

SessionOutcome FileSession::open(Outcome<Place::Opened> opened, bool addToRecent)
{
    if (!opened)
        return cannotOpen(opened.failure());
    StoredPicture &picture = opened->picture;
    const Place &place = *opened->place;
    m_document.read(std::move(picture.pixels), picture.width, picture.height, picture.levels, picture.texts,
                    std::move(opened->place)); // a new history
    m_recoveredFrom.clear();
    if (addToRecent)
        m_recent.push(place.path(), place.fileTitle());
    return done(true, true, addToRecent);
}

SessionOutcome FileSession::openFile(const QString &path, const QString &title, bool addToRecent)
{
    // Whatever the format can hold can be shown, edited and saved again; nothing beyond.
    return open(Place::openPictureFile(m_files, path, title), addToRecent);
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

SessionOutcome FileSession::saveInto(const Place &target, const Place::Overwrite &overwrite)
{
    const Outcome<Place::Written> written = target.write(m_files, stored(), overwrite);
    if (!written)
        return SessionOutcome::refused(describe(written.failure()), AppInfo::title);
    const bool titleChanged = !place() || written->place->title() != place()->title();
    m_document.written(written->place);
    m_recoveredFrom.clear();
    SessionOutcome outcome = done(false, titleChanged);
    outcome.message = written->notes.join(u'\r');
    outcome.caption = AppInfo::title;
    return outcome;
}

SessionOutcome FileSession::save()
{
    if (!place()) // nothing to write to: Save is disabled then
        return SessionOutcome::refused(savingError(QString(), tr("The picture has no file yet: use Save As.")), AppInfo::title);
    SessionOutcome outcome = saveInto(*place(), {});
    if (!outcome.ok)
        outcome.message = savingError(nativePath(currentFile()), outcome.message);
    return outcome;
}

std::optional<Place::Changed> FileSession::changedOnDisk() const
{
    return place() ? place()->changedOnDisk(m_files) : std::nullopt;
}

SessionOutcome FileSession::saveReplacing(const Place::Changed &found)
{
    const QString file = currentFile();
    SessionOutcome outcome = saveInto(*place(), {Place::Overwrite::Files::AsFound, found.now, false});
    if (!outcome.ok)
        outcome.message = savingError(nativePath(file), outcome.message);
    return outcome;
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
    SessionOutcome outcome = saveInto(Place::pictureFile(absoluteCleanPath(path), title, kind), {Place::Overwrite::Files::AsTheyAre, {}, false});
    if (!outcome.ok) {
        outcome.message = writeError(nativePath(path), outcome.message);
        return outcome;
    }
    m_recent.push(place()->path(), place()->fileTitle());
    outcome.fileTitleChanged = outcome.recentChanged = true;
    return outcome;
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

void FileSession::takeUnsavedPicture(CalcPicture picture)
{
    m_kind = picture.kind;
    m_recoveredFrom.clear();
    m_document.takeUnsaved(std::move(picture.pixels), picture.width, picture.height,
                           {picture.folder, picture.name, picture.comment});
}

FileSession::Guarded FileSession::toolbarCommand(const QString &key) const
{
    const FileMenuState state = m_document.menus();
    if (key == QStringLiteral("Open"))
        return m_document.hasUnsavedWork() ? Guarded{Command::None, notSaved()} : Guarded{Command::Open, {}};
    if (key == QStringLiteral("Save")) {
        if (!state.knownFile && !state.pictureShown)
            return {Command::None, tr("Nothing to save.")};
        return {state.knownFile ? Command::Save : Command::SaveAs, {}};
    }
    if (key == QStringLiteral("Print"))
        return state.pictureShown ? Guarded{Command::Print, {}} : Guarded{Command::None, tr("Nuttin' to print.")};
    if (key == QStringLiteral("Help"))
        return {Command::Instructions, {}};
    return {};
}
