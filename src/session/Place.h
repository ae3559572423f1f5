#pragma once

#include "document/CalcKind.h"
#include "document/CalcTexts.h"
#include "document/DocumentPlace.h"
#include "document/GroupFile.h"
#include "document/PixelGrid.h"
#include "document/SourceSprites.h"
#include "platform/Failure.h"
#include "platform/FileIdentity.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FileStore;
struct GreyPair;

// The names of a grey picture's two plane variables, light first (calculator bytes).
struct PlaneNames
{
    std::string light, dark;
    bool operator==(const PlaneNames &) const = default;
};

// A picture as a place holds it and as a save hands it over: the calculator texts, the
// pixels of width x height (the grid may be larger; a grey picture, levels 4, holds levels 0
// to 3 in one grid) and the calculator it is for.
struct StoredPicture
{
    CalcTexts texts;
    int width = 0, height = 0;
    int levels = 2;
    PixelGrid pixels;
    CalcKind kind = CalcKind::TI89;
};

// The picture as picture files of `kind` for the variables `names`: one file, or the files
// of its light and dark planes (which keep the picture's comment whatever their names'
// length). `path` names the file in a failure: the picture is too large, or grey for one file.
Outcome<std::vector<QByteArray>> pictureFilesOf(const StoredPicture &picture, const std::vector<std::string> &names,
                                                CalcKind kind, const QString &path);

// A picture file's picture (black and white) as a place holds it.
StoredPicture storedOf(CalcPicture picture);

// A group file (or TIGroup) as read to open one of its pictures or to add to it: what the
// path named when it was read, and its variables.
struct GroupOnDisk
{
    QString path;
    FileIdentity onDisk;
    GroupFile group;
};

// A C source text (.h, .c) as read to open one of its sprites: what the path named when it
// was read, the text and every array of it as a sprite or with the reason it is none.
struct SourceOnDisk
{
    QString path;
    FileIdentity onDisk;
    std::string text;
    std::vector<SourceSprite> sprites;
};

// Where a picture lives on disk, in one of five shapes: a picture file; a picture variable
// in a group file (.89g, .92g, .9xg, .v2g) or a TIGroup (.tig); the two plane variables of a
// grey picture in a group; the two planes as two picture files; the arrays of a sprite in a
// C source text, of which a save rewrites only the values that change. Every shape is opened,
// written, titled and checked for another program's changes by the same few calls, for the
// editor and the converter alike.
//
// A write never starts from a copy kept in memory: a group is read as it is on disk at that
// moment, only the picture's own variables are changed, and the result goes through the one
// guarded writer (FileStore::writeGuarded), which replaces exactly the file that was read or
// nothing. A place is a value: a write gives the place as it is afterwards.
class Place final : public DocumentPlace
{
    Q_DECLARE_TR_FUNCTIONS(Place)

public:
    enum class Shape { PictureFile, GroupVariable, GroupPair, FilePair, SourceSprite };

    // A picture file of `kind`; `title` is how the status bar names it (the file name).
    static Place pictureFile(const QString &path, const QString &title, CalcKind kind);
    // Variables of a group: one name (a picture) or two (light and dark planes); `comment`
    // is the group's comment as read, which a save changes only when the picture's differs.
    // `base`: Pic Var Name the names go with (see namesFor); empty: the names' common stem.
    static Place inGroup(const QString &path, const std::string &folder, std::vector<std::string> names,
                         const std::string &comment, CalcKind kind, const std::string &base = {});
    // Two picture files of `kind`, the planes' variables named `names` in `folder`.
    static Place filePair(const QString &light, const QString &dark, const std::string &folder, const PlaneNames &names,
                          CalcKind kind, const std::string &base = {});

    Shape shape() const { return m_shape; }
    // The file a save writes first: the picture file, the group, the light plane's file.
    const QString &path() const { return m_files.front(); }
    const QStringList &files() const { return m_files; }
    // The calculator: a picture file's by its ending (else as read), a group's as read.
    CalcKind kind() const;
    bool holdsPlanes() const { return m_shape == Shape::GroupPair || m_shape == Shape::FilePair; }
    bool inGroup() const { return m_shape == Shape::GroupVariable || m_shape == Shape::GroupPair; }
    const std::string &folder() const { return m_folder; }
    // The variables as last read or written: one name, or the light and dark planes'.
    const std::vector<std::string> &names() const { return m_names; }
    // The status bar's name of the place: "pics.89g [main\pic2]", "pics.89g [main\sprl,
    // main\sprd]", "sprl.89i, sprd.89i [main\sprl, main\sprd]".
    QString title() const;
    // The files' own name, as the recent list shows them.
    QString fileTitle() const;

    // The variables a save of a picture named `picVarName` writes: the names read or last
    // written while Pic Var Name is unchanged; else the name, or for planes the name with
    // "l" and "d" appended. `planes`: the picture goes as two planes.
    std::vector<std::string> namesFor(const std::string &picVarName, bool planes) const;

    // The files as the place last read or wrote them, one per file.
    const std::vector<FileIdentity> &onDisk() const { return m_onDisk; }
    // The same place, its files as they are `now` (written by another command).
    std::shared_ptr<const Place> renewed(const std::vector<FileIdentity> &now) const;
    // The files another program changed since (their contents, another file, nothing or a
    // link in their place): each file's state now, and the changed ones' paths.
    struct Changed
    {
        std::vector<FileIdentity> now;
        QStringList paths;
    };
    std::optional<Changed> changedOnDisk(FileStore &files) const;

    // Reading. A place and the picture it holds now, the files' states taken before their
    // bytes are read (a change made meanwhile shows at the next save).
    struct Opened
    {
        std::shared_ptr<const Place> place;
        StoredPicture picture;
    };
    static Outcome<Opened> openPictureFile(FileStore &files, const QString &path, const QString &title);
    static Outcome<GroupOnDisk> readGroup(FileStore &files, const QString &path);
    static Outcome<Opened> openVariable(const GroupOnDisk &group, int entry);
    static Outcome<Opened> openGreyPair(const GroupOnDisk &group, const GreyPair &pair);
    static Outcome<Opened> openFilePair(FileStore &files, const QString &light, const QString &dark);
    // A C source text and its sprites (PlaceSource.cpp); refused when it cannot be read or
    // defines no array of integers.
    static Outcome<SourceOnDisk> readSource(FileStore &files, const QString &path);
    // Sprite `index` of the text; refused, with the reason, when it is none.
    static Outcome<Opened> openSprite(const SourceOnDisk &source, int index);
    // The sprite a source place holds, as last read or written; null for other shapes.
    const SourceSprite *sprite() const { return m_sprite.get(); }

    // What a write may replace: each file as the place last saw it (a save); as the user
    // agreed to replace it (`found`, from changedOnDisk); or whatever is there when the write
    // looks (Save As, whose dialog asked; adding to a group, which keeps every other
    // variable as it finds it). `freshGroup`: a group is written anew holding only the
    // picture, not read and changed (Save As into a group). `adding`: the picture is added to
    // a group that is not its file (Add to Group): the group's comment stays its own, and a
    // group made anew gets a new picture's comment.
    struct Overwrite
    {
        enum class Files { AsKnown, AsFound, AsTheyAre } files = Files::AsKnown;
        std::vector<FileIdentity> found;
        bool freshGroup = false;
        bool adding = false;
    };
    // The picture written into the place. A group's other variables stay as they are on disk
    // now, byte for byte; a picture file, or a pair of them, is replaced whole (both or
    // neither). The place as it is afterwards, and notes the user should read (a hard link
    // broken); a failure leaves every file as it was and names the file and the reason.
    struct Written
    {
        std::shared_ptr<const Place> place;
        QStringList notes;
        std::vector<FileIdentity> replaced; // each file's state as the write found it
    };
    Outcome<Written> write(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const;

    // folder\name of a variable of the group, other than the place's own, that a save of
    // `picture` would replace because its names now name it; empty when none (or when the
    // group cannot be read: the save says why).
    QString variableInTheWay(FileStore &files, const StoredPicture &picture) const;

    // The two files for a grey picture saved as two files under `chosen` (any picture
    // ending, .89i added when it has none): its name with "l" and "d" before the ending.
    static std::pair<QString, QString> planeFiles(const QString &chosen);
    // The other plane's file when `path` is one of two such files and both are there:
    // (light, dark); nothing otherwise.
    static std::optional<std::pair<QString, QString>> pairedFiles(FileStore &files, const QString &path);

private:
    Place() = default;
    Outcome<Written> writePictureFile(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const;
    Outcome<Written> writeIntoGroup(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const;
    Outcome<Written> writeGroupOnce(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const;
    Outcome<Written> writeFilePair(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const;
    Outcome<Written> writeSprite(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const;
    // The notes of a write that broke hard links: the files' other names keep the old version.
    static QStringList linksBroken(const QStringList &paths, const std::vector<WriteGuard> &guards);
    // The guard of file i for this overwrite; `now` is its state as just looked at.
    WriteGuard guardOf(size_t i, const Overwrite &overwrite, const FileIdentity &now) const;
    // The place after a write of `picture` under `names`, its files as they are now.
    std::shared_ptr<const Place> after(FileStore &files, const StoredPicture &picture,
                                       const std::vector<std::string> &names) const;

    Shape m_shape = Shape::PictureFile;
    QStringList m_files;
    QString m_title; // a picture file's, as given
    CalcKind m_kind = CalcKind::TI89;
    std::string m_folder;
    std::vector<std::string> m_names;
    std::string m_base;    // Pic Var Name when the names were read or written
    std::string m_comment; // a group's comment as read or written
    std::vector<FileIdentity> m_onDisk;
    std::shared_ptr<const SourceSprite> m_sprite; // a source place's
    int m_spriteOfName = 0; // which of the text's sprites of that name (an #if may define one twice)
};
