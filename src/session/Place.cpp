// A place: what it is, its name and title, its files' states, and opening the picture it
// holds. Writing is in PlaceWriting.cpp.

#include "session/Place.h"

#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "calc/PictureFile.h"
#include "document/GreyFiles.h"
#include "document/GreyPicture.h"
#include "platform/FileStore.h"
#include "session/FileNames.h"
#include "session/TiGroup.h"

#include <QFileInfo>

namespace {
QString text(const std::string &bytes) { return CalcCharset::toUnicode(bytes); }

QString variableName(const std::string &folder, const std::string &name) { return text(folder) + u'\\' + text(name); }

// "NAMEl" and "NAMEd" (either case) as one name: NAME; nothing when they are no such pair.
std::optional<std::string> pairStem(const std::string &light, const std::string &dark)
{
    const auto lower = [](char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); };
    if (light.size() < 2 || light.size() != dark.size() || lower(light.back()) != 'l' || lower(dark.back()) != 'd')
        return std::nullopt;
    const std::string stem = light.substr(0, light.size() - 1);
    return stem == dark.substr(0, dark.size() - 1) ? std::optional(stem) : std::nullopt;
}
} // namespace

StoredPicture storedOf(CalcPicture picture)
{
    return {{picture.folder, picture.name, picture.comment}, picture.width, picture.height, 2, std::move(picture.pixels),
            picture.kind};
}

Place Place::pictureFile(const QString &path, const QString &title, CalcKind kind)
{
    Place place;
    place.m_shape = Shape::PictureFile;
    place.m_files = {path};
    place.m_title = title;
    place.m_kind = kind;
    place.m_onDisk.resize(1);
    return place;
}

Place Place::inGroup(const QString &path, const std::string &folder, std::vector<std::string> names,
                     const std::string &comment, CalcKind kind, const std::string &base)
{
    Place place;
    place.m_shape = names.size() == 2 ? Shape::GroupPair : Shape::GroupVariable;
    place.m_files = {path};
    place.m_kind = kind;
    place.m_folder = folder;
    if (!base.empty())
        place.m_base = base;
    else
        place.m_base = names.size() == 2 ? pairStem(names[0], names[1]).value_or(names[0]) : names.front();
    place.m_names = std::move(names);
    place.m_comment = comment;
    place.m_onDisk.resize(1);
    return place;
}

Place Place::filePair(const QString &light, const QString &dark, const std::string &folder, const PlaneNames &names,
                      CalcKind kind, const std::string &base)
{
    Place place;
    place.m_shape = Shape::FilePair;
    place.m_files = {light, dark};
    place.m_kind = kind;
    place.m_folder = folder;
    place.m_names = {names.light, names.dark};
    place.m_base = !base.empty() ? base : pairStem(names.light, names.dark).value_or(names.light);
    place.m_onDisk.resize(2);
    return place;
}

CalcKind Place::kind() const
{
    if (inGroup())
        return m_kind;
    return kindFromEnding(path().right(3).toStdString()).value_or(m_kind);
}

QString Place::fileTitle() const
{
    if (m_shape == Shape::PictureFile)
        return m_title;
    if (m_shape == Shape::FilePair)
        return baseName(m_files[0]) + QStringLiteral(", ") + baseName(m_files[1]);
    return baseName(path());
}

QString Place::title() const
{
    if (m_shape == Shape::PictureFile)
        return m_title;
    if (m_shape == Shape::SourceSprite) // "ship.c [ship]": the arrays' name, as the source writes it
        return fileTitle() + QStringLiteral(" [") + QString::fromStdString(m_names.front()) + u']';
    QStringList variables;
    for (const std::string &name : m_names)
        variables << variableName(m_folder, name);
    return fileTitle() + QStringLiteral(" [") + variables.join(QStringLiteral(", ")) + u']';
}

std::vector<std::string> Place::namesFor(const std::string &picVarName, bool planes) const
{
    if (!planes)
        return {picVarName};
    if (m_names.size() == 2 && picVarName == m_base)
        return m_names;
    const auto [light, dark] = planeVariableNames(picVarName);
    return {light, dark};
}

std::shared_ptr<const Place> Place::renewed(const std::vector<FileIdentity> &now) const
{
    auto place = std::make_shared<Place>(*this);
    place->m_onDisk = now;
    return place;
}

std::optional<Place::Changed> Place::changedOnDisk(FileStore &files) const
{
    Changed changed;
    for (int i = 0; i < m_files.size(); ++i) {
        changed.now.push_back(files.identify(m_files[i]));
        if (changed.now.back() != m_onDisk[size_t(i)])
            changed.paths << m_files[i];
    }
    if (changed.paths.isEmpty())
        return std::nullopt;
    return changed;
}

Outcome<Place::Opened> Place::openPictureFile(FileStore &files, const QString &path, const QString &title)
{
    const FileIdentity onDisk = files.identify(path);
    Outcome<CalcPicture> read = readPictureFile(files, path);
    if (!read)
        return read.failure();
    auto place = std::make_shared<Place>(pictureFile(absoluteCleanPath(path), title, read->kind));
    place->m_onDisk = {onDisk};
    return Opened{std::move(place), storedOf(std::move(*read))};
}

Outcome<GroupOnDisk> Place::readGroup(FileStore &files, const QString &path)
{
    const FileIdentity onDisk = files.identify(path);
    const Outcome<QByteArray> bytes = files.readAll(path);
    if (!bytes)
        return bytes.failure();
    Outcome<GroupFile> group = decodeGroupFile(path, *bytes);
    if (!group)
        return group.failure();
    return GroupOnDisk{path, onDisk, std::move(*group)};
}

Outcome<Place::Opened> Place::openVariable(const GroupOnDisk &group, int entry)
{
    const GroupEntry &variable = group.group.entries.at(size_t(entry));
    const QString where = group.path + QStringLiteral(" [") + variableName(variable.folder, variable.name) + u']';
    Outcome<CalcPicture> read = decodePictureFile(where, asByteArray(singleVariableFile(group.group, entry)));
    if (!read)
        return read.failure();
    auto place = std::make_shared<Place>(
        inGroup(absoluteCleanPath(group.path), variable.folder, {variable.name}, group.group.comment, group.group.kind));
    place->m_onDisk = {group.onDisk};
    return Opened{std::move(place), storedOf(std::move(*read))};
}

Outcome<Place::Opened> Place::openGreyPair(const GroupOnDisk &group, const GreyPair &pair)
{
    const GroupEntry &light = group.group.entries.at(size_t(pair.lightEntry));
    const GroupEntry &dark = group.group.entries.at(size_t(pair.darkEntry));
    const GreyDecodeResult read = decodeGreyPair(group.group, pair);
    if (read.error != Picture89iError::None) {
        const GroupEntry &bad = group.group.entries.at(size_t(read.entry));
        return pictureFailure(group.path + QStringLiteral(" [") + variableName(bad.folder, bad.name) + u']', read.error);
    }
    auto place = std::make_shared<Place>(inGroup(absoluteCleanPath(group.path), pair.folder, {light.name, dark.name},
                                                 group.group.comment, group.group.kind));
    place->m_onDisk = {group.onDisk};
    const GreyPicture &grey = read.picture;
    return Opened{std::move(place),
                  {{pair.folder, pair.name, group.group.comment}, grey.width, grey.height, 4, levelsFromGrey(grey), group.group.kind}};
}

// The planes must be of one size; the texts are the light file's (its comment, or the dark
// one's when it has none), Pic Var Name the names' common stem.
Outcome<Place::Opened> Place::openFilePair(FileStore &files, const QString &lightPath, const QString &darkPath)
{
    const std::vector<FileIdentity> onDisk{files.identify(lightPath), files.identify(darkPath)};
    Outcome<CalcPicture> light = readPictureFile(files, lightPath);
    if (!light)
        return light.failure();
    Outcome<CalcPicture> dark = readPictureFile(files, darkPath);
    if (!dark)
        return dark.failure();
    if (dark->width != light->width || dark->height != light->height)
        return Failure{Failure::What::DamagedPicture, darkPath,
                       tr("The light plane is %1 x %2 pixels and the dark plane %3 x %4: the planes of a grey "
                          "picture are of one size.")
                           .arg(light->width).arg(light->height).arg(dark->width).arg(dark->height)};
    const PlaneNames names{light->name, dark->name};
    auto place = std::make_shared<Place>(
        filePair(absoluteCleanPath(lightPath), absoluteCleanPath(darkPath), light->folder, names, light->kind));
    place->m_onDisk = onDisk;
    GreyPicture grey(light->width, light->height);
    grey.light = light->pixels;
    grey.dark = dark->pixels;
    const std::string &comment = light->comment.empty() ? dark->comment : light->comment;
    StoredPicture picture{{light->folder, place->m_base, comment}, grey.width, grey.height, 4, levelsFromGrey(grey), light->kind};
    return Opened{std::move(place), std::move(picture)};
}

std::pair<QString, QString> Place::planeFiles(const QString &chosen)
{
    const QFileInfo info(chosen);
    const bool picture = kindFromEnding(info.suffix().toStdString()).has_value() && chosen.contains(u'.');
    const QString ending = picture ? info.suffix() : QStringLiteral("89i");
    const QString stem = picture ? chosen.left(chosen.size() - ending.size() - 1) : chosen;
    return {stem + QStringLiteral("l.") + ending, stem + QStringLiteral("d.") + ending};
}

std::optional<std::pair<QString, QString>> Place::pairedFiles(FileStore &files, const QString &path)
{
    const QFileInfo info(path);
    const QString ending = info.suffix();
    if (!kindFromEnding(ending.toStdString()) || !path.contains(u'.'))
        return std::nullopt;
    const QString stem = path.left(path.size() - ending.size() - 1);
    const QChar last = stem.isEmpty() ? QChar() : stem.back();
    const bool light = last.toLower() == u'l', dark = last.toLower() == u'd';
    if (stem.size() < 2 || (!light && !dark) || QFileInfo(stem).fileName().size() < 2)
        return std::nullopt;
    // The other plane's letter in the same case.
    const QChar other = light ? (last.isUpper() ? u'D' : u'd') : (last.isUpper() ? u'L' : u'l');
    const QString otherPath = stem.left(stem.size() - 1) + other + u'.' + ending;
    if (!files.exists(otherPath))
        return std::nullopt;
    // Only two pictures of one size make a grey picture.
    const Outcome<CalcPicture> mine = readPictureFile(files, path), others = readPictureFile(files, otherPath);
    if (!mine || !others || mine->width != others->width || mine->height != others->height)
        return std::nullopt;
    return light ? std::pair(path, otherPath) : std::pair(otherPath, path);
}
