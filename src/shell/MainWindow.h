#pragma once

#include "canvas/DrawingTools.h"
#include "document/PictureDocument.h"
#include "printing/PageSetup.h"
#include "session/AppInfo.h"
#include "session/FileSession.h"
#include "shell/MainMenus.h"
#include "shell/Services.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

struct PrintInput;
class AboutWindow;
class CalculatorCommands;
class CanvasView;
class CanvasZoom;
class Clipboard;
class EditCommands;
class EditDialogs;
class ExportSourceCommand;
class ExportSourceDialogs;
class GreyPalette;
class GroupCommands;
class GroupDialogs;
class SourceCommands;
class SourceDialog;
class HelpWindow;
class ImportCommands;
class LinkDialogs;
class LinkLauncher;
class PageSetupDialog;
class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolBar;
class RecoveryKeeper;
class SendCommand;
class StatusPanels;
class TextBox;
class UserGuideWindow;
class ViewOptions;
struct StartWords;

// frmDotlark, the program's one window, for the whole run. The picture document, the file,
// the calculator texts and the recent list belong to its FileSession; the window shows
// them (the text boxes are where the user edits the texts) and hands the session what the
// user does. The five File-menu items' enabled states are the document state
// (FileMenuState); updateActions() shows them.
//
// The handlers keep the names of the design; they are split by topic over
// MainWindow.cpp (controls, start-up, exit), MainWindow_File.cpp (open, save, export,
// drop, recent files, group files), MainWindow_Draw.cpp (New, ClrDraw, the import and zoom handlers),
// MainWindow_Send.cpp (the calculator link, TiLP), MainWindow_View.cpp (undo, redo) and
// MainWindow_Help.cpp (toolbar, printing, link program, help windows). The menus are built
// from their table (MainMenus); the imports run in ImportCommands, the zoom in CanvasZoom,
// the transfers with the calculator in CalculatorCommands, the hand-off to TiLP in SendCommand.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    static inline const QString kTitle = AppInfo::title;

    explicit MainWindow(Services services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Form_Load: the start-up, with the program's arguments (a file to open). A name that
    // does not carry as text opens nothing: the window starts empty and says why.
    void start(const QStringList &arguments);
    void start(const StartWords &start);
    void Form_Load(const QString &commandLine);
    // After the start: each recovery copy an editor left when it ended without saving is
    // offered (MainWindow_Recovery.cpp).
    void offerRecovery();

    // How the program ends; the program quits the application, tests record the call.
    std::function<void()> endProgram;

    // File menu
    bool OpenFile(const QString &path, const QString &title);
    void miNew_Click();
    void miOpen_click();
    void miSave_click();
    void miSaveAs_Click();
    void saveGreyAs();
    void miImport_Click();
    void miImportScaled_Click();
    void miAddToGroup_Click();
    void miExportSource_Click();
    void miSend_Click();
    void miReceive_Click();
    void miCapture_Click();
    void miLinkSettings_Click();
    void miOpenInTilp_Click();
    void miPrint_click();
    void mipgset_Click();
    void miExit_Click();
    void miRecent_Click(int index);
    void Picture1_OLEDragDrop(const QStringList &paths);
    // Draw menu
    void miCls_Click();
    void miUndo_Click();
    void miRedo_Click();
    void miZoomIn_Click();
    void miZoomOut_Click();
    void miActualSize_Click();
    void miFit_Click();
    // Help menu, toolbar, link program
    void miInstructions_click();
    void miUserGuide_Click(); // not modal: shown and raised, made once
    void miAbout_Click();
    void Toolbar1_ButtonClick(const QString &key);
    void Command2_Click();

    // State, for the dialogs and the tests.
    PictureDocument &document() { return m_session.document(); }
    DrawingTools &tools() { return m_tools; }
    EditCommands &edit() { return *m_edit; }
    ViewOptions &view() { return *m_view; }
    CanvasView &canvas() { return *Picture1; }
    PageSetup &pageSetup() { return m_pageSetup; }
    QString currentFile() const { return m_session.currentFile(); }
    const RecentList &recentFiles() const { return m_session.recent(); }
    QString statusFileName() const;
    QString statusTool() const; // status bar panel 3: the tool and the zoom
    QString statusLevel() const; // the grey level the black tools draw, empty when not grey
    QString statusSize() const;  // the selection's size while there is one, else the picture's
    GreyPalette &greyPalette() { return *m_greyPalette; }
    TextBox *folderBox() const { return Text3; }
    TextBox *nameBox() const { return Text2; }
    TextBox *commentBox() const { return Text1; }
    QAction *action(const QString &name) const; // by design name: "miOpen", "mitool3", ...

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createControls();
    void createToolbar(QWidget *client);
    void connectCanvas();
    void createEditCommands();
    void createCalculatorCommands();
    void createGroupCommands();
    bool openGroupInstead(const QString &path, bool addToRecent, bool guard);
    void updateSelectionActions(); // the Edit items and keys that depend on a selection
    void showToolAndZoom();
    void Text_Change(); // the user edited Text1, Text2 or Text3
    // Ctrl and the wheel over the canvas: zoom by `steps` keeping `picture` under `screen`.
    void Picture1_ZoomWheel(int steps, QPointF picture, QPointF screen);
    void updateActions();
    void updateEditActions();
    void updateToolChecks();
    void createGreyControls(QWidget *client);
    void showLevels(); // the Grey Levels check, the palette and the level's panel
    void apply(const SessionOutcome &outcome);
    void showTexts();
    void takeTexts();
    // The texts, the file and the File menu of a picture state put back or made anew.
    void pictureStateChanged();
    void showRecentFiles();
    PrintInput printInput() const;
    void setStatusFileName(const QString &text);
    bool askToReplace(const QString &path);
    void saveToCurrentFile();
    bool askToReplaceChanged(const QString &path);
    void noteUnstorableComment();
    QImage shownCanvas() const;
    void createRecovery();

    Services m_services;
    FileSession m_session;
    PageSetup m_pageSetup;

    // Controls
    CanvasView *Picture1 = nullptr;
    DrawingTools m_tools;
    QScrollArea *m_canvasArea = nullptr;
    QWidget *Panel3D1 = nullptr;
    QLabel *Picture2 = nullptr;
    TextBox *Text1 = nullptr; // comment
    TextBox *Text2 = nullptr; // picture variable name
    TextBox *Text3 = nullptr; // folder
    QToolBar *Toolbar1 = nullptr;
    QPushButton *Command2 = nullptr;
    std::unique_ptr<StatusPanels> m_status;
    GreyPalette *m_greyPalette = nullptr; // grey pictures only

    MainMenus m_menus;
    std::unique_ptr<CanvasZoom> m_zoom;
    std::unique_ptr<ViewOptions> m_view;
    std::unique_ptr<ImportCommands> m_import;
    std::unique_ptr<SendCommand> m_send;
    std::unique_ptr<LinkDialogs> m_linkDialogs;
    std::unique_ptr<CalculatorCommands> m_calculator;
    std::unique_ptr<GroupDialogs> m_groupDialogs;
    std::unique_ptr<GroupCommands> m_groups;
    std::unique_ptr<SourceDialog> m_sourceDialog;
    std::unique_ptr<SourceCommands> m_sources;
    std::unique_ptr<Clipboard> m_ownClipboard;
    std::unique_ptr<EditDialogs> m_editDialogs;
    std::unique_ptr<EditCommands> m_edit;
    std::unique_ptr<ExportSourceDialogs> m_exportSourceDialogs;
    std::unique_ptr<ExportSourceCommand> m_exportSource;
    std::unique_ptr<RecoveryKeeper> m_recovery; // none when the services keep no copies

    // Secondary windows, made on first use and then only hidden and shown (frmNew and
    // frmExit are asked through the Questions service).
    HelpWindow *frmHelp = nullptr;
    AboutWindow *frmAbout = nullptr;
    UserGuideWindow *frmGuide = nullptr;
    QPointer<PageSetupDialog> pgset;
    std::unique_ptr<LinkLauncher> m_linkLauncher;
};
