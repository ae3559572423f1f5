// The file session's group files and grey pictures: a picture (or a light/dark pair) opened
// from a group, two picture files opened as one grey picture, Save As of a grey picture, and
// Add to Group.

#include "calc/CalcCharset.h"
#include "document/GreyPicture.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"
#include "session/AppInfo.h"
#include "session/FileNames.h"
#include "session/FileSession.h"
#include "session/TiGroup.h"

#include <algorithm>

namespace {
QString shownVariable(const std::string &folder, const std::string &name)
{
    return CalcCharset::toUnicode(folder) + u'\\' + CalcCharset::toUnicode(name);
}

SessionOutcome refused(const QString &reason) { return SessionOutcome::refused(reason, AppInfo::title); }
} // namespace

PlaneNames FileSession::planeNames() const
{
    const std::vector<std::string> names = place() ? place()->namesFor(m_document.texts().name, true)
                                                   : std::vector<std::string>{};
    if (names.size() == 2)
        return {names[0], names[1]};
    const auto [light, dark] = planeVariableNames(m_document.texts().name);
    return {light, dark};
}

std::vector<std::string> FileSession::variableNames() const
{
    if (!m_document.isGrey() && !(place() && place()->holdsPlanes())) // a picture kept as two planes stays so
        return {m_document.texts().name};
    const PlaneNames names = planeNames();
    return {names.light, names.dark};
}

QString FileSession::shownVariables() const
{
    QStringList shown;
    for (const std::string &name : variableNames())
        shown << shownVariable(m_document.texts().folder, name);
    return shown.size() == 2 ? tr("%1 and %2", "two picture variables").arg(shown[0], shown[1]) : shown.value(0);
}

QString FileSession::groupVariableInTheWay() { return place() ? place()->variableInTheWay(m_files, stored()) : QString(); }

Outcome<GroupOnDisk> FileSession::groupForAdding(const QString &path)
{
    const FileIdentity onDisk = m_files.identify(path);
    if (onDisk.kind != FileIdentity::Kind::Missing)
        return Place::readGroup(m_files, path);
    GroupFile group;
    group.kind = kindFromGroupEnding(path.toStdString()).value_or(kind());
    group.comment = CalcTexts().comment;
    return GroupOnDisk{path, onDisk, std::move(group)};
}

QString FileSession::heldInGroup(const GroupOnDisk &group) const
{
    for (const std::string &name : variableNames())
        if (findVariable(group.group, m_document.texts().folder, name) >= 0)
            return shownVariable(m_document.texts().folder, name);
    return {};
}

// The group as it is when written: another program's change to it since the question is
// kept. The group's comment stays its own.
SessionOutcome FileSession::addToGroup(const QString &path)
{
    const QString notAdded = (variableNames().size() > 1 ? tr("%1 were not added to %2.") : tr("%1 was not added to %2."))
                                 .arg(shownVariables(), nativePath(path))
                             + u'\r';
    const StoredPicture picture = stored();
    const CalcKind groupKind = kindFromGroupEnding(path.toStdString()).value_or(kind());
    const Place target = Place::inGroup(path, picture.texts.folder, variableNames(), picture.texts.comment, groupKind);
    const Outcome<Place::Written> written = target.write(m_files, picture, {Place::Overwrite::Files::AsTheyAre, {}, false, true});
    if (!written)
        return refused(notAdded + describe(written.failure()));
    // Written over the picture's own group as it was: its next save need not ask.
    if (place() && absoluteCleanPath(path) == place()->path() && written->replaced.front() == place()->onDisk().front())
        m_document.placeRenewed(*place(), place()->renewed({written->place->onDisk().front()}));
    SessionOutcome outcome;
    outcome.ok = true;
    outcome.message = written->notes.join(u'\r');
    outcome.caption = AppInfo::title;
    return outcome;
}

FileSession::GreySaveTarget FileSession::greySaveAsTarget(const QString &chosen, int filterIndex) const
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
        return {Kind::Bitmap, path, {path}, unasked(path)};
    if (isGroupPath(path))
        return {Kind::Group, path, {path}, unasked(path)};
    const auto [light, dark] = Place::planeFiles(path);
    return {Kind::TwoFiles, path, {light, dark}, unasked(light) + unasked(dark)};
}

SessionOutcome FileSession::saveGreyAs(const GreySaveTarget &target, const PlaneNames &names)
{
    const CalcTexts &texts = m_document.texts();
    const Place place = target.kind == GreySaveTarget::Kind::Group
                            ? Place::inGroup(absoluteCleanPath(target.path), texts.folder, {names.light, names.dark},
                                             texts.comment, kindFromGroupEnding(target.path.toStdString()).value_or(kind()),
                                             texts.name)
                            : Place::filePair(absoluteCleanPath(target.files[0]), absoluteCleanPath(target.files[1]),
                                              texts.folder, names,
                                              kindFromEnding(target.files[0].right(3).toStdString()).value_or(CalcKind::TI89),
                                              texts.name);
    SessionOutcome outcome = saveInto(place, {Place::Overwrite::Files::AsTheyAre, {}, true});
    if (!outcome.ok) {
        outcome.message = writeError(nativePath(target.files.join(QStringLiteral(", "))), outcome.message);
        return outcome;
    }
    m_recent.push(this->place()->path(), this->place()->fileTitle());
    outcome.fileTitleChanged = outcome.recentChanged = true;
    return outcome;
}
