// The file session's grey pictures: the light and dark planes as two picture variables, in
// one group file or as two picture files.

#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "calc/PictureFile.h"
#include "document/GreyFiles.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"
#include "session/AppInfo.h"
#include "session/FileNames.h"
#include "session/FileSession.h"
#include "session/GroupPlacing.h"
#include "session/TiGroup.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString text(const std::string &bytes) { return CalcCharset::toUnicode(bytes); }

SessionOutcome refused(const QString &reason) { return SessionOutcome::refused(reason, AppInfo::title); }

SessionOutcome written(bool titleChanged, bool recentChanged)
{
    SessionOutcome outcome;
    outcome.ok = true;
    outcome.fileTitleChanged = titleChanged;
    outcome.recentChanged = recentChanged;
    return outcome;
}

// "pics.89g [main\sprl, main\sprd]"
QString pairTitle(const QString &file, const std::string &folder, const FileSession::PlaneNames &names)
{
    return file + QStringLiteral(" [") + text(folder) + u'\\' + text(names.light) + QStringLiteral(", ") + text(folder)
           + u'\\' + text(names.dark) + u']';
}

CalcPicture planeVariable(const std::string &folder, const std::string &name, const std::string &comment,
                          const GreyPicture &grey, const PixelGrid &plane, CalcKind kind)
{
    return {folder, name, comment, grey.width, grey.height, plane, kind};
}
} // namespace

FileSession::PlaneNames FileSession::planeNames() const
{
    if (m_planes && m_texts.name == m_planes->base)
        return m_planes->names;
    const auto [light, dark] = planeVariableNames(m_texts.name);
    return {light, dark};
}

std::vector<std::string> FileSession::variableNames() const
{
    if (!m_document.isGrey() && !m_planes) // a picture kept as two planes stays so
        return {m_texts.name};
    const PlaneNames names = planeNames();
    return {names.light, names.dark};
}

QString FileSession::shownVariables() const
{
    QStringList shown;
    for (const std::string &name : variableNames())
        shown << text(m_texts.folder) + u'\\' + text(name);
    return shown.size() == 2 ? tr("%1 and %2", "two picture variables").arg(shown[0], shown[1]) : shown.value(0);
}

std::vector<GroupEntry> FileSession::variablesFor(CalcKind kind) const
{
    std::vector<GroupEntry> variables;
    const std::vector<std::string> names = variableNames();
    const bool planes = names.size() == 2;
    const GreyPicture grey = planes ? planesToWrite() : GreyPicture();
    for (size_t i = 0; i < names.size(); ++i) {
        const PixelGrid &plane = !planes ? m_document.pixels() : i == 0 ? grey.light : grey.dark;
        CalcPicture picture{m_texts.folder, names[i], m_texts.comment, m_document.width(), m_document.height(), plane, kind};
        std::optional<GroupEntry> variable = pictureVariable(picture);
        if (!variable)
            return {};
        variables.push_back(std::move(*variable));
    }
    return variables;
}

GreyPicture FileSession::planesToWrite() const
{
    const PictureDocument &document = m_document;
    return document.isGrey() ? greyFromLevels(document.pixels(), document.width(), document.height())
                             : greyFromPlane(document.pixels(), document.width(), document.height());
}

FileSession::GreySaveTarget FileSession::greySaveAsTarget(const QString &chosen, int filterIndex, const PlaneNames &names) const
{
    using Kind = GreySaveTarget::Kind;
    static const QStringList kEndings = {QStringLiteral(".89g"), QStringLiteral(".bmp"), QStringLiteral(".89i"),
                                         QStringLiteral(".9xg"), QStringLiteral(".v2g"), QStringLiteral(".92g")};
    QString path = chosen;
    if (!hasBitmapEnding(path) && !hasPictureEnding(path) && !isGroupPath(path))
        path += kEndings.value(filterIndex - 1, kEndings.first());
    const auto unasked = [&](const QString &file) {
        return file != chosen && m_files.exists(file) ? QStringList{file} : QStringList{};
    };
    if (hasBitmapEnding(path))
        return {Kind::Bitmap, path, unasked(path)};
    if (isGroupPath(path))
        return {Kind::Group, path, unasked(path)};
    const auto [light, dark] = planeFiles(path, names);
    return {Kind::TwoFiles, path, unasked(light) + unasked(dark)};
}

SessionOutcome FileSession::saveGreyAsGroup(const QString &path, const QString &title, const PlaneNames &names)
{
    const auto failed = [&path](const Failure &failure) { return refused(writeError(nativePath(path), describe(failure))); };
    GroupFile group;
    group.kind = kindFromGroupEnding(path.toStdString()).value_or(kind());
    group.comment = m_texts.comment;
    const GreyPicture grey = planesToWrite();
    for (const auto &[name, plane] : {std::pair{&names.light, &grey.light}, std::pair{&names.dark, &grey.dark}}) {
        std::optional<GroupEntry> variable = pictureVariable(planeVariable(m_texts.folder, *name, m_texts.comment, grey, *plane, group.kind));
        if (!variable)
            return failed(pictureFailure(path, Picture89iError::TooLargeToWrite));
        putVariable(group, std::move(*variable));
    }
    const Outcome<QByteArray> bytes = encodeGroupFile(path, group);
    if (!bytes)
        return failed(bytes.failure());
    if (const Done done = m_files.writeAll(path, *bytes); !done)
        return failed(done.failure());
    CurrentFile = path;
    CurrentFileTitle = pairTitle(title, m_texts.folder, names);
    m_onDisk = m_files.identify(path);
    m_kind = group.kind;
    m_group = GroupPlace{m_texts.folder, m_texts.name, m_texts.comment, std::move(group)};
    m_planes = PlanePlace{names, m_texts.name, {}, {}};
    m_document.menus.savedAs();
    fileHoldsDocument();
    m_recent.push(CurrentFile, title);
    return written(true, true);
}

std::pair<QString, QString> FileSession::planeFiles(const QString &chosen, const PlaneNames &names)
{
    const QFileInfo info(chosen);
    QString ending = u'.' + info.suffix().toLower();
    if (!kindFromEnding(ending.mid(1).toStdString()))
        ending = QStringLiteral(".89i");
    const QDir folder = info.dir();
    return {QDir::toNativeSeparators(folder.filePath(text(names.light) + ending)),
            QDir::toNativeSeparators(folder.filePath(text(names.dark) + ending))};
}

SessionOutcome FileSession::saveGreyAsFiles(const QString &chosen, const PlaneNames &names)
{
    const auto [light, dark] = planeFiles(chosen, names);
    SessionOutcome outcome = writePlaneFiles(light, dark, names, nullptr, nullptr);
    if (!outcome.ok)
        return outcome;
    CurrentFile = light;
    CurrentFileTitle = pairTitle(baseName(light) + QStringLiteral(", ") + baseName(dark), m_texts.folder, names);
    m_onDisk = m_files.identify(light);
    m_kind = kindFromEnding(light.right(3).toStdString()).value_or(CalcKind::TI89);
    m_group.reset();
    m_planes = PlanePlace{names, m_texts.name, dark, m_files.identify(dark)};
    m_document.menus.savedAs();
    fileHoldsDocument();
    m_recent.push(CurrentFile, baseName(light));
    return written(true, true);
}

GreyEncodeResult FileSession::encodedPlanes(const PlaneNames &names, CalcKind kind) const
{
    const GreyPicture grey = planesToWrite();
    return encodeGreyFiles({planeVariable(m_texts.folder, names.light, m_texts.comment, grey, grey.light, kind),
                            planeVariable(m_texts.folder, names.dark, m_texts.comment, grey, grey.dark, kind)});
}

// Both files or neither: when the dark one cannot be written after the light one was, the
// light file gets its old bytes back (a light file that was not there before stays, and the
// message says so).
SessionOutcome FileSession::writePlaneFiles(const QString &light, const QString &dark, const PlaneNames &names,
                                            const WriteGuard *lightGuard, const WriteGuard *darkGuard)
{
    const CalcKind kind = kindFromEnding(light.right(3).toStdString()).value_or(CalcKind::TI89);
    const GreyEncodeResult encoded = encodedPlanes(names, kind);
    const QString both = nativePath(light) + QStringLiteral(", ") + nativePath(dark);
    const auto failed = [&both](const QString &why) { return refused(writeError(both, why)); };
    if (encoded.error != Picture89iError::None)
        return failed(describe(pictureFailure(light, encoded.error)));
    const Outcome<QByteArray> before = m_files.readAll(light);
    auto put = [this](const QString &path, const std::vector<uint8_t> &bytes, const WriteGuard *guard) {
        return guard ? m_files.writeGuarded(path, asByteArray(bytes), *guard) : m_files.writeAll(path, asByteArray(bytes));
    };
    if (const Done done = put(light, encoded.light, lightGuard); !done)
        return failed(describe(done.failure()));
    if (const Done done = put(dark, encoded.dark, darkGuard); !done) {
        const bool restored = before && m_files.writeAll(light, *before);
        const QString left = restored ? tr("%1 was put back as it was.").arg(nativePath(light))
                                      : tr("%1 holds the light plane; %2 was not written.").arg(nativePath(light), nativePath(dark));
        return failed(describe(done.failure()) + u'\r' + left);
    }
    m_document.menus.fileWritten();
    return written(false, false);
}

SessionOutcome FileSession::writePlanesIntoGroup(const WriteGuard &guard)
{
    Outcome<GroupOnDisk> now = readGroupAt(CurrentFile);
    GroupFile group = now ? std::move(now->group) : m_group->group;
    const PlaneNames names = planeNames();
    const GreyPicture grey = planesToWrite();
    const std::pair<const std::string *, const PixelGrid *> planes[] = {{&m_planes->names.light, &grey.light},
                                                                        {&m_planes->names.dark, &grey.dark}};
    for (const auto &[old, plane] : planes) {
        const std::string &name = old == &m_planes->names.light ? names.light : names.dark;
        std::optional<GroupEntry> variable = pictureVariable(planeVariable(m_texts.folder, name, m_texts.comment, grey, *plane, group.kind));
        if (!variable)
            return refused(describe(pictureFailure(CurrentFile, Picture89iError::TooLargeToWrite)));
        putInPlaceOf(group, m_group->folder, *old, std::move(*variable));
    }
    if (m_texts.comment != m_group->comment)
        group.comment = m_texts.comment;
    const Outcome<QByteArray> bytes = encodeGroupFile(CurrentFile, group);
    if (!bytes)
        return refused(describe(bytes.failure()));
    if (const Done done = m_files.writeGuarded(CurrentFile, *bytes, guard); !done)
        return refused(describe(done.failure()));
    const bool renamed = names != m_planes->names || m_texts.folder != m_group->folder;
    m_group = GroupPlace{m_texts.folder, m_texts.name, m_texts.comment, std::move(group)};
    m_planes = PlanePlace{names, m_texts.name, {}, {}};
    CurrentFileTitle = pairTitle(baseName(CurrentFile), m_texts.folder, names);
    m_document.menus.fileWritten();
    return written(renamed, false);
}

SessionOutcome FileSession::savePlanes(const WriteGuard &guard)
{
    SessionOutcome outcome;
    if (m_group)
        outcome = writePlanesIntoGroup(guard);
    else {
        // Two files keep their paths; Pic Var Name names the variables inside them.
        const PlaneNames names = planeNames();
        const WriteGuard darkGuard{m_planes->darkOnDisk, true};
        outcome = writePlaneFiles(CurrentFile, m_planes->darkFile, names, &guard, &darkGuard);
        if (outcome.ok) {
            m_planes->names = names;
            m_planes->base = m_texts.name;
            m_planes->darkOnDisk = m_files.identify(m_planes->darkFile);
        }
    }
    if (!outcome.ok)
        outcome.message = savingError(nativePath(CurrentFile), outcome.message);
    else {
        m_onDisk = m_files.identify(CurrentFile);
        fileHoldsDocument();
    }
    return outcome;
}

SessionOutcome FileSession::openGreyPair(GroupOnDisk group, const GreyPair &pair, bool addToRecent)
{
    const GroupEntry &light = group.group.entries.at(size_t(pair.lightEntry));
    const GroupEntry &dark = group.group.entries.at(size_t(pair.darkEntry));
    const PlaneNames names{light.name, dark.name};
    GreyDecodeResult read = decodeGreyPair(group.group, pair);
    if (read.error != Picture89iError::None) {
        const GroupEntry &bad = group.group.entries.at(size_t(read.entry));
        const QString where = group.path + QStringLiteral(" [") + text(bad.folder) + u'\\' + text(bad.name) + u']';
        return groupRefused(pictureFailure(where, read.error));
    }
    CurrentFile = absoluteCleanPath(group.path);
    CurrentFileTitle = pairTitle(baseName(group.path), pair.folder, names);
    m_onDisk = group.onDisk;
    m_kind = group.group.kind;
    const std::string comment = group.group.comment;
    m_group = GroupPlace{pair.folder, pair.name, comment, std::move(group.group)};
    m_planes = PlanePlace{names, pair.name, {}, {}};
    m_document.menus.fileRead();
    m_texts = {pair.folder, pair.name, comment};
    const GreyPicture &grey = read.picture;
    m_document.replace(levelsFromGrey(grey), grey.width, grey.height, 4); // a new history
    fileHoldsDocument();
    if (addToRecent)
        m_recent.push(CurrentFile, baseName(group.path));
    SessionOutcome outcome = written(true, addToRecent);
    outcome.pictureReplaced = true;
    return outcome;
}
