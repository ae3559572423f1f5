#pragma once

#include "document/CalcKind.h"
#include "document/GreyFiles.h"
#include "document/GreyPicture.h"
#include "document/GroupFile.h"
#include "document/Picture89i.h"
#include "document/PictureDocument.h"
#include "document/RecoveryCopy.h"
#include "platform/Failure.h"
#include "platform/FileIdentity.h"
#include "session/RecentList.h"
#include "session/ShownText.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class FileStore;
class Settings;

// What the window has to show after a command of the file session. The session changes only
// itself; the window applies the outcome to its controls.
struct SessionOutcome
{
    bool ok = false;
    QString message;               // shown in an OK box with the exclamation icon when not empty
    QString caption;               // that box's caption
    bool pictureReplaced = false;  // a new grid, size and texts: size the canvas, fill the boxes
    bool fileTitleChanged = false; // status bar panel 1 shows the file title
    bool recentChanged = false;

    static SessionOutcome refused(const QString &message, const QString &caption);
};

// A group file as read (or, not there yet, as made) for opening a picture of it or adding
// one to it: what the path named at the read, so that the write goes only over that.
struct GroupOnDisk
{
    QString path;
    FileIdentity onDisk;
    GroupFile group;
};

// The Save As file types of a grey picture, in the order greySaveAsTarget knows them by.
inline constexpr ShownText kGreySaveFilter{
    "FileSession", QT_TRANSLATE_NOOP("FileSession", "Group of two pictures (89g)|*.89g|Bitmap (*.bmp)|*.bmp|Two picture files (89i)|*.89i"
                                                    "|TI-92 Plus group (9xg)|*.9xg|Voyage 200 group (v2g)|*.v2g|TI-92 group (92g)|*.92g")};

// The comment of a picture made here: a new one, a captured screen, one received from the
// calculator (which keeps no comment).
inline constexpr char kNewPictureComment[] = "made with DOTLARK";

// The three calculator texts, one byte per character as the calculator stores them.
struct CalcTexts
{
    std::string folder = "main";
    std::string name = "picture";
    std::string comment = kNewPictureComment;
    bool operator==(const CalcTexts &) const = default;
};

// The file side of the editor, without any window: the picture document, its calculator
// texts, the current file and title, and the recent list; opening, saving, Save As, the
// bitmap export and the guards of the toolbar. Each command returns an outcome instead of
// showing anything. The texts are the window's boxes' as of the last setTexts(); texts that
// differ from the ones read, written or reset last are unsaved work, like drawing.
class FileSession
{
    Q_DECLARE_TR_FUNCTIONS(FileSession)

public:
    FileSession(FileStore &files, Settings &settings) : m_files(files), m_settings(settings) {}

    PictureDocument &document() { return m_document; }
    const PictureDocument &document() const { return m_document; }
    const CalcTexts &texts() const { return m_texts; }
    void setTexts(const CalcTexts &texts)
    {
        m_texts = texts;
        m_document.textsEdited = m_texts != m_savedTexts;
    }
    void resetTexts()
    {
        m_texts = m_savedTexts = CalcTexts();
        m_document.textsEdited = false;
    }
    const QString &currentFile() const { return CurrentFile; }
    const QString &currentFileTitle() const { return CurrentFileTitle; }
    const RecentList &recent() const { return m_recent; }

    // The picture and its texts as a picture file of `kind`: what a save writes, and what a
    // send hands over.
    EncodeResult encoded(CalcKind kind) const
    {
        return encode89i(m_texts.folder, m_texts.name, m_texts.comment, m_document.width(), m_document.height(),
                         m_document.pixels(), kind);
    }

    // Start-up: a blank calculator screen, nothing to save, the recent list from the store.
    void startUp();
    void writeRecent() { m_recent.write(m_settings); }

    // OpenFile: everything is read and checked before the document changes, so a refused
    // file leaves picture, texts and current file as they were.
    SessionOutcome openFile(const QString &path, const QString &title, bool addToRecent);
    SessionOutcome openChosen(const QString &path, const QString &title); // File > Open
    SessionOutcome openDropped(const QStringList &paths);
    SessionOutcome openRecent(int index);
    // A name from the system that is not valid UTF-8 text: refused, naming it (ShownNames).
    static SessionOutcome uncarriedName(const QByteArray &name);

    // Group files (FileSession_Group.cpp). A picture opened from a group keeps the group as its
    // file: the title shows "pics.89g [main\pic2]", Save writes the variable back into the
    // group, every other variable byte for byte, and Save As makes it a picture file again.
    Outcome<GroupOnDisk> readGroupAt(const QString &path);
    // The group at path, or a new one of the calculator its ending names (of the picture's
    // calculator for .tig) when nothing is there.
    Outcome<GroupOnDisk> groupForAdding(const QString &path);
    SessionOutcome openFromGroup(GroupOnDisk group, int entry, bool addToRecent);
    // Refused as opening a group file is: naming the file and the reason.
    static SessionOutcome groupRefused(const Failure &failure);
    // A command that would replace the picture: refused while there is unsaved work.
    SessionOutcome mayReplacePicture() const;
    bool inGroup() const { return m_group.has_value(); }
    // The variable of the group, other than the picture's own, that Save would write over
    // because the boxes now name it ("main\pic3"); empty when none.
    QString groupVariableInTheWay();
    // folder\name of the boxes, when the group holds a variable of that name; else empty.
    QString heldInGroup(const GroupOnDisk &group) const;
    // The variables the picture goes into a group as: the boxes' name, or a grey picture's
    // (or one kept as two planes) two plane names; shown as "main\pic1" or "main\sprl and main\sprd".
    std::vector<std::string> variableNames() const;
    QString shownVariables() const;
    // The picture as the variable the boxes name (a grey one as its two planes), added to the group or in place of the
    // variable of that name; the document keeps its own file.
    SessionOutcome addToGroup(GroupOnDisk group);

    // Grey pictures (FileSession_Grey.cpp): the two planes as two picture variables, in one
    // group file or as two picture files of their own (the current file is then the light
    // one). A black-and-white picture read or saved that way keeps the form: both planes
    // alike, so it reads back as the same black and white.
    struct PlaneNames
    {
        std::string light, dark; // calculator bytes
        bool operator==(const PlaneNames &) const = default;
    };
    // The names a save of the planes writes: those read or last saved while Pic Var Name
    // is unchanged, else the name with "l" and "d" appended.
    PlaneNames planeNames() const;
    // The picture's file holds two planes (a group pair or two files).
    bool inPlanes() const { return m_planes.has_value(); }
    // A grey picture whose file holds one black-and-white picture: Save refuses rather than
    // drop the grey.
    bool greyInOnePicture() const { return m_document.isGrey() && !m_planes && !CurrentFile.isEmpty(); }
    // Where Save As of a grey picture goes for the dialog's choice (kGreySaveFilter): a group
    // ending makes a group, a picture ending two picture files, a bare name takes the
    // filter's ending; the bitmap filter stays second, as in the designed list.
    struct GreySaveTarget
    {
        enum class Kind { Group, TwoFiles, Bitmap } kind;
        QString path;       // the group or bitmap; for two files the name they go beside
        QStringList toAsk;  // existing files the dialog did not ask about replacing
    };
    GreySaveTarget greySaveAsTarget(const QString &chosen, int filterIndex, const PlaneNames &names) const;
    // Save As into a new group file of the calculator its ending names (.89g when none).
    SessionOutcome saveGreyAsGroup(const QString &path, const QString &title, const PlaneNames &names);
    // Save As as two picture files beside `chosen` (see planeFiles); the picture is then
    // known by the light one.
    SessionOutcome saveGreyAsFiles(const QString &chosen, const PlaneNames &names);
    // The two files for `chosen`: in its folder, each plane's name with chosen's ending
    // (.89i when it has none of the calculators').
    static std::pair<QString, QString> planeFiles(const QString &chosen, const PlaneNames &names);
    // The two planes as picture files of `kind`, named `names`: what a save of two files
    // writes and what Send hands over.
    GreyEncodeResult encodedPlanes(const PlaneNames &names, CalcKind kind) const;
    // The pair of the group as one grey picture; Save writes both back under their names.
    SessionOutcome openGreyPair(GroupOnDisk group, const GreyPair &pair, bool addToRecent);

    // SaveFile to the current file. It writes only over the file as it was at the last open
    // or save.
    SessionOutcome save();
    // The current file when another program has changed it since the last open or save
    // (its content, or another file, nothing or a link put in its place): what is there now.
    std::optional<FileIdentity> changedOnDisk();
    // Save over what changedOnDisk() found, the user having agreed to replace it. A link
    // there is followed only when the file was opened through that very link; one that
    // came since is itself replaced by the picture file.
    SessionOutcome saveReplacing(const FileIdentity &found);
    // Where Save As goes for the dialog's choice: the bitmap filter adds ".bmp", the other
    // calculators' filters their endings.
    struct SaveAsTarget
    {
        enum class Kind { Picture, Bitmap, InvalidName } kind;
        QString path;
        bool askToReplace = false; // the dialog asked about another name; this one exists
    };
    SaveAsTarget saveAsTarget(const QString &chosen, int filterIndex) const;
    // The .89i case: the document takes the new name only once the file is written.
    SessionOutcome saveAs(const QString &path, const QString &title);
    // The bitmap case: what the canvas shows, as a 24-bit BMP; the document stays as it is.
    SessionOutcome exportBitmap(const QString &path, const QImage &shown);

    // New, ClrDraw and an import forget the file; the picture is a TI-89 one again.
    void forgetFile()
    {
        CurrentFile.clear();
        m_group.reset();
        m_planes.reset();
        m_onDisk = {};
        m_kind = CalcKind::TI89;
        m_recoveredFrom.clear();
        m_document.forgetSaved();
    }
    // An imported picture was placed: the picture has no file and counts as drawn on.
    void pictureImported()
    {
        forgetFile();
        m_document.menus.imported();
    }
    // A picture from elsewhere (received from the calculator, its screen) becomes the picture:
    // no file, drawing not saved, its texts and calculator taken. Undo brings the last back.
    void takeUnsavedPicture(CalcPicture picture)
    {
        forgetFile();
        m_kind = picture.kind;
        m_document.menus.newPicture();
        m_document.menus.drawingPress();
        m_document.transform(std::move(picture.pixels), picture.width, picture.height);
        setTexts({picture.folder, picture.name, picture.comment});
    }
    // The calculator the picture is for: by the current file's ending, else as it was read.
    CalcKind kind() const;

    // A recovery copy becomes the picture (FileSession_Recovery.cpp): unsaved drawing, no
    // file. The file it belonged to is only offered to Save As, so nothing on disk is
    // overwritten unasked.
    void takeRecovered(const RecoveryCopy &copy);
    // The picture's work as a recovery copy made now.
    RecoveryCopy recoveryCopy() const;
    // The file a recovered picture belonged to, while it has no file of its own; else empty.
    const QString &recoveredFrom() const { return m_recoveredFrom; }

    // The toolbar reaches the menu commands behind guards of its own.
    enum class Command { None, Open, Save, SaveAs, Print, Instructions };
    struct Guarded
    {
        Command command = Command::None;
        QString message; // instead of the command
    };
    Guarded toolbarCommand(const QString &key) const;

    // A path as a message shows it: a name of thousands of characters would fill the screen.
    static QString nativePath(const QString &path);
    // The messages of a failed save and of a failed write: the heading, the file(s) as shown
    // and why, one per line.
    static QString savingError(const QString &shownFile, const QString &why);
    static QString writeError(const QString &shownFile, const QString &why);

private:
    // Where the picture is in its group: the variable as last opened or saved.
    struct GroupPlace
    {
        std::string folder, name, comment;
        GroupFile group; // as last read or written: what a save starts from when the file cannot be read
    };
    CalcPicture asPicture(CalcKind kind) const;
    SessionOutcome writeIntoGroup(const WriteGuard &guard);
    // Where the planes are: their names as read or saved, the name of Pic Var Name then,
    // and for two files the dark one's path and identity.
    struct PlanePlace
    {
        PlaneNames names;
        std::string base;
        QString darkFile;
        FileIdentity darkOnDisk;
    };
    GreyPicture planesToWrite() const;
    std::vector<GroupEntry> variablesFor(CalcKind kind) const; // empty when too large
    SessionOutcome writePlanesIntoGroup(const WriteGuard &guard);
    SessionOutcome writePlaneFiles(const QString &light, const QString &dark, const PlaneNames &names,
                                   const WriteGuard *lightGuard, const WriteGuard *darkGuard);
    SessionOutcome savePlanes(const WriteGuard &guard);
    SessionOutcome write(const QString &path, CalcKind kind, const WriteGuard *guard = nullptr);
    SessionOutcome saveGuarded(const WriteGuard &guard);
    void fileHoldsDocument(); // just read or written: picture and texts are saved as they are


    FileStore &m_files;
    Settings &m_settings;
    PictureDocument m_document;
    CalcTexts m_texts;
    CalcTexts m_savedTexts; // as last read, written or reset
    QString CurrentFile;
    QString CurrentFileTitle;
    FileIdentity m_onDisk; // the current file as the last open or save left it
    RecentList m_recent;
    CalcKind m_kind = CalcKind::TI89;
    std::optional<GroupPlace> m_group;
    QString m_recoveredFrom;
    std::optional<PlanePlace> m_planes;
};
