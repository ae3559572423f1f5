#pragma once

#include "canvas/DrawingTools.h"
#include "document/PictureDocument.h"
#include "platform/FileDialogs.h"
#include "printing/PageSetup.h"
#include "shell/AppInfo.h"
#include "shell/FileSession.h"
#include "shell/Services.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

struct Failure;
struct PrintInput;
class AboutWindow;
class DialogQuestions;
class CanvasView;
class HelpWindow;
class LinkLauncher;
class PageSetupDialog;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolBar;
class ScaledImportQuestion;
class TextBox;
struct ScaledImportAnswer;
struct ScaledImportChoice;
struct StartWords;

// frmDotlark, the program's one window, for the whole run. The picture document, the file,
// the calculator texts and the recent list belong to its FileSession; the window shows
// them (the text boxes are where the user edits the texts) and hands the session what the
// user does. The five File-menu items' enabled states are the document state
// (FileMenuState); updateActions() shows them.
//
// The handlers keep the names of the design; they are split by topic over
// MainWindow.cpp (controls, start-up, exit), MainWindow_File.cpp (open, save, export,
// drop, recent files), MainWindow_Draw.cpp (New, ClrDraw, import), MainWindow_ImportScaled.cpp (import
// scaled), MainWindow_Send.cpp (send to calculator), MainWindow_View.cpp
// (undo, redo, zoom) and MainWindow_Help.cpp (toolbar, printing, link program, help
// windows).
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

    // How the program ends; the program quits the application, tests record the call.
    std::function<void()> endProgram;

    // File menu
    bool OpenFile(const QString &path, const QString &title);
    void miNew_Click();
    void miOpen_click();
    void miSave_click();
    void miSaveAs_Click();
    void miImport_Click();
    void miImportScaled_Click();
    void miSend_Click();
    void miPrint_click();
    void mipgset_Click();
    void miExit_Click();
    void miRecent_Click(int index);
    void Picture1_OLEDragDrop(const QStringList &paths);
    void Text_Change(); // the user edited Text1, Text2 or Text3
    // Draw menu
    void miCls_Click();
    void Picture1_Paint();
    void miUndo_Click();
    void miRedo_Click();
    void miZoomIn_Click();
    void miZoomOut_Click();
    void miActualSize_Click();
    void miFit_Click();
    // Ctrl and the wheel over the canvas: zoom by `steps` keeping `picture` under `screen`.
    void Picture1_ZoomWheel(int steps, QPointF picture, QPointF screen);
    // Help menu, toolbar, link program
    void miInstructions_click();
    void miAbout_Click();
    void Toolbar1_ButtonClick(const QString &key);
    void Command2_Click();

    // State, for the dialogs and the tests.
    FileSession &session() { return m_session; }
    PictureDocument &document() { return m_session.document(); }
    DrawingTools &tools() { return m_tools; }
    CanvasView &canvas() { return *Picture1; }
    PageSetup &pageSetup() { return m_pageSetup; }
    const QString &currentFile() const { return m_session.currentFile(); }
    const QString &currentFileTitle() const { return m_session.currentFileTitle(); }
    const RecentList &recentFiles() const { return m_session.recent(); }
    QString statusFileName() const;
    QString statusCoordinates() const;
    TextBox *folderBox() const { return Text3; }
    TextBox *nameBox() const { return Text2; }
    TextBox *commentBox() const { return Text1; }
    QAction *action(const QString &name) const; // by design name: "miOpen", "mitool3", ...
    QMenu *toolsMenu() const { return miTools; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createControls();
    void createToolbar(QWidget *client);
    void createStatusBar(QWidget *client);
    QAction *menuItem(const QString &name, const QString &caption, const QList<QKeySequence> &keys,
                      void (MainWindow::*handler)());
    void createActions();
    void createEditActions();
    void createMenus();
    void addEditItems(QMenu *draw);
    void connectCanvas();
    void updateActions();
    void updateEditActions();
    void updateToolChecks();
    void showRevision(const Revision &revision);
    double smallestZoom() const;
    void zoomAtCentre(double zoom);
    void zoomAround(double zoom, QPointF picture, QPoint viewportAt);
    void apply(const SessionOutcome &outcome);
    void showTexts();
    void takeTexts();
    void showRecentFiles();
    void resetTexts();
    PrintInput printInput() const;
    void setStatusFileName(const QString &text);
    bool askToReplace(const QString &path);
    void saveToCurrentFile();
    bool askToReplaceChanged(const QString &path);
    struct Sending;
    std::optional<Sending> fileForSending();
    std::optional<Sending> sendingCopy();
    void startSending(const QString &tilp, const Sending &sending);
    void noteUnstorableComment();
    static FileDialogs::Request importRequest();
    void refuseImport(const Failure &failure);
    bool importCutShort(const QString &path);
    ScaledImportQuestion &scaledImportQuestion();
    void plotScaled(const ScaledImportAnswer &answer);
    bool askToImport(const QString &path, const QImage &picture);
    QImage shownCanvas() const;

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
    QLabel *m_fileNamePanel = nullptr;    // status bar panel 1, "Filename"
    QLabel *m_coordinatesPanel = nullptr; // status bar panel 2, "Coordinates"

    // Menu items
    QAction *miNew = nullptr, *miOpen = nullptr, *miSave = nullptr, *miSaveAs = nullptr;
    QAction *miImport = nullptr, *miImportScaled = nullptr, *miSend = nullptr, *miPrint = nullptr, *mipgset = nullptr, *miExit = nullptr;
    QAction *miLine4 = nullptr, *miCls = nullptr, *miInstructions = nullptr, *miAbout = nullptr;
    QAction *miUndo = nullptr, *miRedo = nullptr; // the picture's history
    QAction *miZoomIn = nullptr, *miZoomOut = nullptr, *miActualSize = nullptr, *miFit = nullptr;
    std::array<QAction *, RecentList::kCount> mirecent{};
    std::array<QAction *, kToolCount + 1> mitool{}; // 1..12
    QMenu *miTools = nullptr;

    // Secondary windows, made on first use and then only hidden and shown (frmNew and
    // frmExit are asked through the Questions service).
    HelpWindow *frmHelp = nullptr;
    AboutWindow *frmAbout = nullptr;
    QPointer<PageSetupDialog> pgset;
    std::unique_ptr<LinkLauncher> m_linkLauncher;
    std::unique_ptr<DialogQuestions> m_ownQuestions; // when the services bring no Import Scaled dialog
};
