// File > Open, Save, Save As (with the bitmap export), files dropped on the canvas and the
// recent files, group files: each asks the file session and shows what it says.

#include "calc/CalcCharset.h"
#include "calc/NameProblem.h"
#include "canvas/CanvasView.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/ShownNames.h"
#include "session/FileNames.h"
#include "session/TiGroup.h"
#include "shell/GroupCommands.h"
#include "shell/EditCommands.h"
#include "shell/GroupDialogs.h"
#include "shell/SourceCommands.h"
#include "shell/SourceDialog.h"
#include "shell/MainWindow.h"
#include "shell/NameChecks.h"
#include "shell/TextBox.h"

#include <QAction>
#include <QDir>

namespace {
QString asText(const std::string &bytes) { return CalcCharset::toUnicode(bytes); }
std::string asBytes(const TextBox *box) { return CalcCharset::fromUnicode(box->text()); }

// The caption is kept apart from the menu text, where '&' marks an access key.
void setCaption(QAction *item, const QString &caption)
{
    item->setData(caption);
    item->setText(QString(caption).replace(u'&', QStringLiteral("&&")));
}
FileDialogs::Request saveAsRequest()
{
    FileDialogs::Request request;
    request.title = MainWindow::tr("TI-89 DOTLARK Save As...");
    // The bitmap filter stays second: the file commands know it by its place.
    request.filter = QStringLiteral("%1|*.89i|%2|*.bmp|TI-92 Plus (9xi)|*.9xi|Voyage 200 (v2i)|*.v2i|TI-92 (92i)|*.92i")
                         .arg(MainWindow::tr("Readable Files (89i)"), MainWindow::tr("Bitmap (*.bmp)"));
    request.confirmOverwrite = true;
    return request;
}
} // namespace

void MainWindow::apply(const SessionOutcome &outcome)
{
    if (outcome.pictureReplaced) {
        showTexts();
        m_tools.parkTool();
    }
    if (outcome.fileTitleChanged)
        setStatusFileName(m_session.currentFileTitle());
    if (outcome.recentChanged)
        showRecentFiles();
    updateActions();
    if (!outcome.message.isEmpty())
        m_services.messages.warn(outcome.message, outcome.caption);
}

void MainWindow::showTexts()
{
    const CalcTexts &texts = m_session.document().texts();
    Text1->setText(asText(texts.comment));
    Text3->setText(asText(texts.folder));
    Text2->setText(asText(texts.name));
}

void MainWindow::takeTexts() { m_session.document().setTexts({asBytes(Text3), asBytes(Text2), asBytes(Text1)}); }

void MainWindow::Text_Change()
{
    takeTexts();
    updateActions();
}

void MainWindow::showRecentFiles()
{
    const RecentList &recent = m_session.recent();
    for (int i = 0; i < RecentList::kCount; ++i) {
        const QString &caption = recent.at(i).caption;
        setCaption(m_menus.mirecent[i], caption);
        m_menus.mirecent[i]->setVisible(!caption.isEmpty());
        m_menus.mirecent[i]->setEnabled(!caption.isEmpty() || i == 0);
    }
    m_menus.miLine4->setVisible(!recent.isEmpty());
}

bool MainWindow::OpenFile(const QString &path, const QString &title)
{
    const SessionOutcome outcome = m_session.openFile(path, title, false);
    apply(outcome);
    return outcome.ok;
}

void MainWindow::miOpen_click()
{
    FileDialogs::Request request;
    request.title = tr("TI-89 DOTLARK: Open File");
    request.filter = QStringLiteral("%1|*.89i|%2|*.89i;*.9xi;*.v2i;*.92i|")
                         .arg(tr("Readable Images (89i)"), tr("Calculator pictures (89i, 9xi, v2i, 92i)"))
                     + kGroupFilesFilter + u'|' + tr("C source with sprites (h, c)|*.h;*.c");
    request.mustExist = true;
    if (const auto choice = m_services.dialogs.openFile(request); choice && !openGroupInstead(choice->path, true, false))
        apply(m_session.openChosen(choice->path, choice->title));
}

void MainWindow::miSave_click()
{
    if (!m_session.place()) // nothing to write to (an import forgot the file): Save As asks where
        return miSaveAs_Click();
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return;
    takeTexts();
    if (!m_groups->mayReplaceOnSave())
        return;
    saveToCurrentFile();
}

// Writes over the current file only as it was opened or last saved; when another program
// has changed it since, the user decides, and No keeps the picture unsaved.
void MainWindow::saveToCurrentFile()
{
    const std::optional<Place::Changed> found = m_session.changedOnDisk();
    SessionOutcome outcome;
    if (!found)
        outcome = m_session.save();
    else if (askToReplaceChanged(found->paths.join(QStringLiteral(", "))))
        outcome = m_session.saveReplacing(*found);
    else
        return;
    apply(outcome);
    if (outcome.ok)
        noteUnstorableComment();
}

bool MainWindow::askToReplaceChanged(const QString &path)
{
    return m_services.messages.show(tr("%1 has changed on disk since it was opened. Replace it with this picture?")
                                        .arg(shownName(QDir::toNativeSeparators(path), kMessageNameLength)),
                                    kTitle, Messages::Icon::Exclamation, Messages::Buttons::YesNoSafeNo)
           == Messages::Answer::Yes;
}

void MainWindow::miSaveAs_Click()
{
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return;
    takeTexts();
    if (m_session.document().isGrey())
        return saveGreyAs();
    FileDialogs::Request request = saveAsRequest();
    request.suggestedPath = m_session.recoveredFrom(); // a recovered picture's file, overwritten only if confirmed
    const auto choice = m_services.dialogs.saveFile(request);
    if (!choice)
        return;
    const FileSession::SaveAsTarget target = m_session.saveAsTarget(choice->path, choice->filterIndex);
    using Kind = FileSession::SaveAsTarget::Kind;
    if (target.askToReplace && !askToReplace(target.path))
        return;
    if (target.kind == Kind::Bitmap)
        apply(m_session.exportBitmap(target.path, shownCanvas())); // the document stays as it is
    else if (target.kind == Kind::InvalidName)
        m_services.messages.warn(tr("Invalid Filename: Use *.89i"), tr("Filename ERROR!"));
    else {
        const QString title = target.path == choice->path ? choice->title : baseName(target.path);
        const SessionOutcome outcome = m_session.saveAs(target.path, title);
        apply(outcome);
        if (outcome.ok)
            noteUnstorableComment();
    }
}

// A grey picture: a group of two pictures or two picture files, the two variables' names
// editable below the dialog's file list; or the bitmap of the canvas.
void MainWindow::saveGreyAs()
{
    const PlaneNames proposed = m_session.planeNames();
    FileDialogs::Request request = saveAsRequest();
    request.filter = kGreySaveFilter;
    request.suggestedPath = m_session.recoveredFrom();
    request.names = {{tr("Light plane:"), asText(proposed.light)}, {tr("Dark plane:"), asText(proposed.dark)}};
    const auto choice = m_services.dialogs.saveFile(request);
    if (!choice)
        return;
    PlaneNames names = proposed;
    if (choice->names.size() == 2)
        names = {CalcCharset::fromUnicode(choice->names[0]), CalcCharset::fromUnicode(choice->names[1])};
    for (const std::string &name : {names.light, names.dark}) {
        if (const std::optional<NameProblem> problem = findNameProblem(asText(name), NameKind::PicVar))
            return m_services.messages.warn(problem->message, problem->title);
    }
    if (names.light == names.dark)
        return m_services.messages.warn(tr("The light and dark planes need two different names."), kTitle);
    const FileSession::GreySaveTarget target = m_session.greySaveAsTarget(choice->path, choice->filterIndex);
    for (const QString &existing : target.toAsk)
        if (!askToReplace(existing))
            return;
    using Kind = FileSession::GreySaveTarget::Kind;
    if (target.kind == Kind::Bitmap)
        return apply(m_session.exportBitmap(target.path, shownCanvas()));
    apply(m_session.saveGreyAs(target, names));
}

// Characters of the comment box that the calculator does not have were saved as '?': the
// box keeps them, the user is told. With an 8-character name no comment is stored at all.
void MainWindow::noteUnstorableComment()
{
    if (m_session.document().texts().name.size() >= 8)
        return;
    if (const QString note = CalcCharset::unstorableCommentNote(Text1->text()); !note.isEmpty())
        m_services.messages.warn(note, kTitle);
}

bool MainWindow::askToReplace(const QString &path)
{
    return m_services.messages.show(tr("%1 already exists.\rDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
                                    kTitle, Messages::Icon::Exclamation, Messages::Buttons::YesNo)
           == Messages::Answer::Yes;
}

QImage MainWindow::shownCanvas() const
{
    // What the canvas shows of the picture, at its logical size: grey background, black squares.
    const PictureDocument &document = m_session.document();
    return Picture1->render(document.menus().pictureShown ? document.pixels() : PixelGrid());
}

void MainWindow::Picture1_OLEDragDrop(const QStringList &paths)
{
    if (paths.isEmpty() || !openGroupInstead(QDir::toNativeSeparators(paths.first()), true, true))
        apply(m_session.openDropped(paths));
    activateWindow();
}

void MainWindow::miRecent_Click(int index)
{
    if (!openGroupInstead(m_session.recent().at(index).path, false, true))
        apply(m_session.openRecent(index));
}

void MainWindow::createGroupCommands()
{
    GroupQuestions *questions = m_services.groupQuestions;
    if (!questions) {
        m_groupDialogs = std::make_unique<GroupDialogs>();
        m_groupDialogs->setParent(this);
        questions = m_groupDialogs.get();
    }
    m_groups = std::make_unique<GroupCommands>(m_services, m_session, *questions, [this](const SessionOutcome &outcome) {
        if (outcome.pictureReplaced)
            m_tools.selection().deselect();
        apply(outcome);
    });
    SourceQuestions *sourceQuestions = m_services.sourceQuestions;
    if (!sourceQuestions) {
        m_sourceDialog = std::make_unique<SourceDialog>();
        m_sourceDialog->setParent(this);
        sourceQuestions = m_sourceDialog.get();
    }
    m_sources = std::make_unique<SourceCommands>(
        m_services, m_session, *sourceQuestions,
        [this](const SessionOutcome &outcome) {
            if (outcome.pictureReplaced)
                m_tools.selection().deselect();
            apply(outcome);
        },
        [this](QSize tile) { m_edit->setTileSize(tile); });
}

// A group file or C source is opened through its chooser, and one of the two picture files
// of a grey picture as the pair when the user says so; guard: not over unsaved work (a drop,
// a recent file; Open is disabled while there is any). False when the path is to be opened
// as one picture file.
bool MainWindow::openGroupInstead(const QString &path, bool addToRecent, bool guard)
{
    const bool group = isGroupPath(path), source = isSourcePath(path);
    if (!group && !source && !(hasPictureEnding(path) && Place::pairedFiles(m_services.files, path)))
        return false;
    if (const SessionOutcome may = m_session.mayReplacePicture(); guard && !may.ok) {
        apply(may);
        return true;
    }
    if (source)
        m_sources->open(path, addToRecent);
    else if (!group)
        return m_groups->openPair(path, addToRecent);
    else
        m_groups->open(path, addToRecent);
    return true;
}

void MainWindow::miAddToGroup_Click()
{
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return;
    takeTexts();
    m_groups->addToGroup();
}
