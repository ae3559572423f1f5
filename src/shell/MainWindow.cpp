#include "shell/MainWindow.h"
#include "shell/ToolKeys.h"

#include "canvas/CanvasView.h"
#include "platform/Messages.h"
#include "platform/Questions.h"
#include "session/FileNames.h"
#include "session/LinkLauncher.h"
#include "session/RecoveryKeeper.h"
#include "session/StartCommandLine.h"
#include "platform/Clipboard.h"
#include "shell/CanvasZoom.h"
#include "shell/ClientGrowth.h"
#include "shell/EditCommands.h"
#include "shell/EditDialogs.h"
#include "shell/ExportSourceCommand.h"
#include "shell/ExportSourceDialog.h"
#include "shell/Fonts.h"
#include "shell/Icons.h"
#include "shell/ImportCommands.h"
#include "shell/CalculatorCommands.h"
#include "shell/GroupCommands.h"
#include "shell/GroupDialogs.h"
#include "shell/SourceCommands.h"
#include "shell/SourceDialog.h"
#include "shell/LinkDialogs.h"
#include "shell/SendCommand.h"
#include "shell/StatusPanels.h"
#include "shell/TextBox.h"
#include "shell/ViewOptions.h"
#include "shell/WindowCentring.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

namespace {
constexpr QSize kClientSize(592, 425); // screen pixels
const QColor kOrange(255, 128, 0);
const QColor kFrame(192, 64, 0);
const QColor kTextBack(255, 224, 192);
constexpr QRect kFolderBox(250, 36, 95, 32), kNameBox(465, 35, 95, 32), kCommentBox(127, 370, 337, 24);
constexpr int kCaptionGap = 4; // screen pixels between a moved caption and its box

void paint(QWidget *widget, const QColor &background, const QColor &foreground = Qt::black)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, foreground);
    palette.setColor(QPalette::Text, foreground);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A white caption at its design place before the box it names, whose left edge is at `boxLeft`.
// A caption too long for the room there (a translation) ends a little before the box instead,
// reaching further left, so it never runs under the box.
QLabel *label(const QString &text, QPoint at, int boxLeft, QWidget *parent)
{
    auto *caption = new QLabel(text, parent);
    // The window's own words, which the first family has: no list of fallbacks is needed.
    caption->setFont(firstFamilyOnly(dialogFont(8.25, true)));
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    caption->setPalette(palette);
    caption->adjustSize();
    if (at.x() + caption->width() > boxLeft)
        at.setX(std::max(0, boxLeft - kCaptionGap - caption->width()));
    caption->move(at);
    return caption;
}
} // namespace

MainWindow::MainWindow(Services services, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services), m_session(services.files, services.settings), Picture1(new CanvasView(m_session.document())),
      m_tools(m_session.document(), *Picture1)
{
    endProgram = [] { QCoreApplication::exit(0); };
    m_linkLauncher = std::make_unique<LinkLauncher>(services.settings, services.dialogs, services.messages,
                                                    services.launcher);
    setWindowIcon(appIcon());
    createControls();
    m_menus = buildMainMenus(*this, *menuBar());
    m_zoom = std::make_unique<CanvasZoom>(*Picture1, *m_canvasArea);
    m_view = std::make_unique<ViewOptions>(*Picture1, document(), m_tools.selection(), services.settings,
                                           ViewOptions::Items{*m_menus.miPixelGrid, *m_menus.miPreview}, *this);
    new ToolKeys(*this, m_tools);
    m_import = std::make_unique<ImportCommands>(services, m_session, m_tools, *Picture2, *this);
    m_import->imported = [this] { updateActions(); };
    m_send = std::make_unique<SendCommand>(services, m_session);
    createCalculatorCommands();
    createGroupCommands();
    createEditCommands();
    connectCanvas();
    createRecovery();
    updateActions();
    updateToolChecks();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    client->resize(kClientSize);
    client->setMouseTracking(true); // moves over the bare window clear the readout
    paint(client, kOrange);
    setCentralWidget(client);
    setMouseTracking(true);
    // The window opens at its designed size, its smallest; grown, the canvas grows with it.
    auto *growth = new ClientGrowth(*client, kClientSize);

    createToolbar(client);
    label(tr("Folder:"), {205, 47}, kFolderBox.left(), client);
    Text3 = new TextBox(8, client);
    Text3->setGeometry(kFolderBox);
    label(tr("Pic Var Name:"), {379, 47}, kNameBox.left(), client);
    Text2 = new TextBox(8, client);
    Text2->setGeometry(kNameBox);
    for (TextBox *box : {Text3, Text2}) {
        box->setFont(calcFont());
        box->setToolTip(tr("in the calculator"));
    }

    Panel3D1 = new QWidget(client);
    Panel3D1->setGeometry(14, 79, 566, 287);
    paint(Panel3D1, kFrame);
    // The canvas sits at its design place; a picture larger than the calculator screen
    // scrolls inside the same area instead of being cut off.
    m_canvasArea = new QScrollArea(client);
    m_canvasArea->setGeometry(24, 88, 547, 266);
    m_canvasArea->setFrameShape(QFrame::NoFrame);
    m_canvasArea->setLineWidth(0);
    m_canvasArea->setContentsMargins(0, 0, 0, 0);
    m_canvasArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvasArea->setWidget(Picture1);
    paint(m_canvasArea->viewport(), kFrame);

    growth->tie(label(tr("Comment:"), {68, 378}, kCommentBox.left(), client), ClientGrowth::Bottom);
    Text1 = new TextBox(39, client);
    Text1->setGeometry(kCommentBox);
    Text1->setFont(systemFont());
    Text1->setToolTip(tr("saved in PC file only."));
    for (TextBox *box : {Text1, Text2, Text3}) {
        paint(box, kTextBack);
        // What the user types counts as unsaved work at once; what the program sets does not.
        connect(box, &QLineEdit::textEdited, this, &MainWindow::Text_Change);
    }
    showTexts();

    // A click on the canvas takes the keyboard from a text box, so the window's shortcuts
    // (Ctrl+C ClrDraw, Ctrl+A Save As, Ctrl+X Exit) work again once the user draws.
    Picture1->setFocusPolicy(Qt::StrongFocus);

    Picture2 = new QLabel(client); // shows a picture being imported
    Picture2->move(2, 31);
    Picture2->hide();
    m_status = std::make_unique<StatusPanels>(*client, QRect(0, kClientSize.height() - 22, kClientSize.width(), 22));
    m_status->follow(m_session.document(), m_tools.selection());
    createGreyControls(client);
    constexpr int across = ClientGrowth::Left | ClientGrowth::Right, all = across | ClientGrowth::Top | ClientGrowth::Bottom;
    growth->tie(Toolbar1, across);
    growth->tie(Panel3D1, all);
    growth->tie(m_canvasArea, all);
    growth->tie(Text1, ClientGrowth::Bottom);
    growth->tie(&m_status->bar(), across | ClientGrowth::Bottom);
    // Tab goes round the controls as they stand on the window, top to bottom.
    setTabOrder(Command2, Text3);
    setTabOrder(Text3, Text2);
    setTabOrder(Text2, Picture1);
    setTabOrder(Picture1, Text1);
}

void MainWindow::createToolbar(QWidget *client)
{
    Toolbar1 = new QToolBar(client);
    Toolbar1->setGeometry(0, 0, kClientSize.width(), 28);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setMovable(false);
    paint(Toolbar1, Toolbar1->palette().color(QPalette::Button)); // a docked bar, not the window's orange
    // The key names the button to the program (and in its object name); the caption is the user's.
    const auto button = [this](const QIcon &icon, const QString &key, const QString &caption) {
        QAction *action = Toolbar1->addAction(icon, caption);
        action->setToolTip(caption);
        action->setObjectName(QStringLiteral("button") + key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    };
    button(openIcon(), QStringLiteral("Open"), tr("Open"));
    button(saveIcon(), QStringLiteral("Save"), tr("Save"));
    button(printIcon(), QStringLiteral("Print"), tr("Print"));
    Toolbar1->addSeparator();
    button(helpIcon(), QStringLiteral("Help"), tr("Help"));

    Command2 = new QPushButton(QStringLiteral("WLink89"), client);
    Command2->setGeometry(107, 2, 65, 23);
    Command2->setToolTip(tr("Runs or switches to Wlink89.exe"));
    Command2->setFocusPolicy(Qt::TabFocus);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
}

void MainWindow::connectCanvas()
{
    Picture1->setTools(&m_tools);
    m_tools.menusChanged = [this] { updateActions(); };
    m_tools.checksChanged = [this] { updateToolChecks(); };
    m_tools.historyChanged = [this] { updateEditActions(); };
    m_tools.showCoordinates = [this](const QString &text) { m_status->setCoordinates(text); };
    m_tools.popUpTools = [this] {
        const QStringList captions = toolMenuCaptions(m_menus);
        const int checked = toolNumber(m_tools.checkedTool()) - 1;
        if (const std::optional<int> chosen = m_services.questions.popUpMenu(captions, checked, Picture1->pressPosition()))
            m_tools.miTool_Click(toolFromNumber(*chosen + 1));
    };
    connect(Picture1, &CanvasView::filesDropped, this, &MainWindow::Picture1_OLEDragDrop);
    connect(Picture1, &CanvasView::zoomWheel, this, &MainWindow::Picture1_ZoomWheel);
}

void MainWindow::updateActions()
{
    const FileMenuState::Items state = m_session.document().shownMenus();
    m_menus.miNew->setEnabled(state.newEnabled);
    m_menus.miOpen->setEnabled(state.openEnabled);
    m_menus.miSave->setEnabled(state.saveEnabled);
    m_menus.miSaveAs->setEnabled(state.saveAsEnabled);
    m_menus.miPrint->setEnabled(state.printEnabled);
    updateEditActions();
    showLevels();
    if (m_recovery)
        m_recovery->changed(); // every change of the File menu's facts passes here
}

void MainWindow::updateToolChecks()
{
    for (int tool = 1; tool <= kAllToolCount; ++tool)
        m_menus.mitool[tool]->setChecked(toolFromNumber(tool) == m_tools.checkedTool());
    showToolAndZoom();
}

QAction *MainWindow::action(const QString &name) const { return findChild<QAction *>(name); }

QString MainWindow::statusFileName() const { return m_status->fileName(); }

void MainWindow::setStatusFileName(const QString &text) { m_status->setFileName(text); }

void MainWindow::start(const QStringList &arguments)
{
    // The program reads its command line as one string, as typed.
    Form_Load(commandLineOf(arguments));
}

void MainWindow::start(const StartWords &start)
{
    if (start.uncarried.isEmpty())
        return MainWindow::start(start.words);
    Form_Load(QString());
    apply(FileSession::uncarriedName(start.uncarried));
}

void MainWindow::Form_Load(const QString &commandLine)
{
    setWindowTitle(QStringLiteral("%1 v.%2.%3").arg(kTitle).arg(AppInfo::major).arg(AppInfo::minor));
    m_session.startUp();
    showTexts();
    updateActions();
    showRecentFiles();
    Picture1->setEnabled(true);
    // The tools start with none active and the Pen saved for the first press.
    m_pageSetup = PageSetup::initial(m_session.document().width());
    adjustSize();
    centreOnScreen(*this);
    // The window is on the screen before a file is read, so a message about the file has
    // the window it belongs to behind it.
    show();
    // Not tested for the .89i ending: whatever is named on the command line is read.
    if (const QString path = pathOnCommandLine(commandLine); !path.isEmpty() && !openGroupInstead(path, true, false))
        apply(m_session.openFile(path, baseName(path), true));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Every close request is File > Exit, which ends the program itself when it may; what
    // floats lands first, so it counts as unsaved drawing.
    m_tools.landSelection();
    miExit_Click();
    event->ignore();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_status->setCoordinates(QString()); // the mouse is over the window, not over the canvas
    QMainWindow::mouseMoveEvent(event);
}

void MainWindow::miExit_Click()
{
    m_session.writeRecent();
    if (!m_session.document().hasUnsavedWork()
        || m_services.questions.askExit() == Questions::ExitChoice::Quit) {
        if (m_recovery)
            m_recovery->discard(); // the user chose to leave the work behind
        endProgram();
    }
}
