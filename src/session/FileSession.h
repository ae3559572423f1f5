#pragma once

#include "document/CalcKind.h"
#include "document/CalcTexts.h"
#include "document/Picture89i.h"
#include "document/PictureDocument.h"
#include "document/RecoveryCopy.h"
#include "platform/Failure.h"
#include "session/Place.h"
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
struct GreyPair;

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

// The Save As file types of a grey picture, in the order greySaveAsTarget knows them by.
inline constexpr ShownText kGreySaveFilter{
    "FileSession", QT_TRANSLATE_NOOP("FileSession", "Group of two pictures (89g)|*.89g|Bitmap (*.bmp)|*.bmp|Two picture files (89i)|*.89i"
                                                    "|TI-92 Plus group (9xg)|*.9xg|Voyage 200 group (v2g)|*.v2g|TI-92 group (92g)|*.92g")};

// The file side of the editor, without any window: the picture document (with its texts and
// its place on disk) and the recent list; opening, saving, Save As, the bitmap export and
// the guards of the toolbar. Each command returns an outcome instead of showing anything.
// Where the picture lives is the document's place (session/Place.h): the session asks it to
// read and write, whatever its shape.
class FileSession
{
    Q_DECLARE_TR_FUNCTIONS(FileSession)

public:
    FileSession(FileStore &files, Settings &settings) : m_files(files), m_settings(settings) {}

    PictureDocument &document() { return m_document; }
    const PictureDocument &document() const { return m_document; }
    const RecentList &recent() const { return m_recent; }
    // Where the picture lives; none while it has no file.
    const Place *place() const { return static_cast<const Place *>(m_document.place().get()); }
    // The file Save writes (a pair's light one), empty when none; how the status bar names it.
    QString currentFile() const { return place() ? place()->path() : QString(); }
    QString currentFileTitle() const { return place() ? place()->title() : QString(); }
    // The calculator the picture is for: by its place (a picture file's ending), else as
    // read or received.
    CalcKind kind() const;
    // The picture as a save or a send hands it over.
    StoredPicture stored() const;

    // Start-up: a blank calculator screen, nothing to save, the recent list from the store.
    void startUp();
    void writeRecent() { m_recent.write(m_settings); }

    // OpenFile: everything is read and checked before the document changes, so a refused
    // file leaves picture, texts and file as they were.
    SessionOutcome openFile(const QString &path, const QString &title, bool addToRecent);
    SessionOutcome openChosen(const QString &path, const QString &title); // File > Open
    SessionOutcome openDropped(const QStringList &paths);
    SessionOutcome openRecent(int index);
    // A name from the system that is not valid UTF-8 text: refused, naming it (ShownNames).
    static SessionOutcome uncarriedName(const QByteArray &name);
    // A command that would replace the picture: refused while there is unsaved work.
    SessionOutcome mayReplacePicture() const;

    // The picture a place opened (Place::openVariable, openGreyPair, openFilePair: one of a
    // group's, or two picture files as one grey picture): it keeps that place as its file;
    // Save writes it back there, a group as it is on disk then, every other variable byte
    // for byte. Refused, naming the file and the reason, when it could not be opened.
    SessionOutcome open(Outcome<Place::Opened> opened, bool addToRecent);
    // Refused as opening a group file is: naming the file and the reason.
    static SessionOutcome groupRefused(const Failure &failure);

    // The variables the picture goes to a group as: Pic Var Name, or a grey picture's (or
    // one kept as two planes) two plane names; shown as "main\pic1" or "main\sprl and main\sprd".
    std::vector<std::string> variableNames() const;
    QString shownVariables() const;
    // The names a save of the planes writes: those read or last saved while Pic Var Name is
    // unchanged, else the name with "l" and "d" appended.
    PlaneNames planeNames() const;
    // The variable of the picture's group, other than its own, that Save would write over
    // because the boxes now name it ("main\pic3"); empty when none.
    QString groupVariableInTheWay();
    // The group at path, or a new one when nothing is there, for File > Add to Group....
    Outcome<GroupOnDisk> groupForAdding(const QString &path);
    // folder\name of the boxes' variables that the group holds; else empty.
    QString heldInGroup(const GroupOnDisk &group) const;
    // The picture's variables added to the group file at `path` as it is on disk then, or
    // in place of the variables of those names; the picture keeps its own file.
    SessionOutcome addToGroup(const QString &path);

    // SaveFile to the picture's place, only over the files as it last read or wrote them.
    SessionOutcome save();
    // The files of the place that another program changed since the last open or save (their
    // content, another file, nothing or a link put in their place): what is there now.
    std::optional<Place::Changed> changedOnDisk() const;
    // Save over what changedOnDisk() found, the user having agreed to replace it. A link
    // there is followed only when the file was opened through that very link.
    SessionOutcome saveReplacing(const Place::Changed &found);
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
    // Where Save As of a grey picture goes for the dialog's choice (kGreySaveFilter): a group
    // ending makes a group, a picture ending two picture files named after it, a bare name
    // takes the filter's ending; the bitmap filter stays second, as in the designed list.
    struct GreySaveTarget
    {
        enum class Kind { Group, TwoFiles, Bitmap } kind;
        QString path;      // the group or bitmap; for two files the name they are made of
        QStringList files; // the files written
        QStringList toAsk; // existing files the dialog did not ask about replacing
    };
    GreySaveTarget greySaveAsTarget(const QString &chosen, int filterIndex) const;
    // Save As of a grey picture into a new group, or as two picture files, the planes named
    // `names`; the picture is then known by the group or the pair.
    SessionOutcome saveGreyAs(const GreySaveTarget &target, const PlaneNames &names);
    // The bitmap case: what the canvas shows, as a 24-bit BMP; the document stays as it is.
    SessionOutcome exportBitmap(const QString &path, const QImage &shown);

    // An imported picture was placed: the picture has no file and counts as changed.
    void pictureImported() { m_document.imported(); }
    // A picture from elsewhere (received from the calculator, its screen) becomes the picture:
    // no file, drawing not saved, its texts and calculator taken. Undo brings the last back.
    void takeUnsavedPicture(CalcPicture picture);

    // A recovery copy becomes the picture (FileSession_Recovery.cpp): unsaved drawing, no
    // file. The file it belonged to is only offered to Save As, so nothing on disk is
    // overwritten unasked.
    void takeRecovered(const RecoveryCopy &copy);
    // The picture's work as a recovery copy made now.
    RecoveryCopy recoveryCopy() const;
    // The file a recovered picture belonged to, while it has no file of its own; else empty.
    QString recoveredFrom() const { return place() ? QString() : m_recoveredFrom; }

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
    // The picture written into `place`: the document's file from now on.
    SessionOutcome saveInto(const Place &place, const Place::Overwrite &overwrite);

    FileStore &m_files;
    Settings &m_settings;
    PictureDocument m_document;
    RecentList m_recent;
    CalcKind m_kind = CalcKind::TI89; // of a picture without a place: as received or recovered
    QString m_recoveredFrom;
};
