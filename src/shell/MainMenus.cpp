#include "shell/MainMenus.h"

#include "shell/EditCommands.h"
#include "shell/MainWindow.h"
#include "shell/ViewOptions.h"

#include <QAction>
#include <QCoreApplication>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <span>

namespace {
using Handler = void (MainWindow::*)();
using EditHandler = void (EditCommands::*)();
using ViewHandler = void (ViewOptions::*)();

// One row of a menu: an item with its design name, caption (with its access key), shortcuts
// ("; " between two) and handler, and where MainMenus keeps it when the window changes it.
// The name "-" is a separator, "miTools" the tools submenu, "miShift" the shift submenu,
// "mirecent" the recent files below a separator that shows only with them. The picture
// commands added later have an edit handler instead; every other item lands what floats
// before it runs; the View menu's have a view handler.
struct Row
{
    const char *name;
    const char *caption;
    const char *keys;
    Handler handler;
    QAction *MainMenus::*kept;
    EditHandler edit = nullptr;
    ViewHandler view = nullptr;
};
constexpr Row kSeparator{"-", "", "", nullptr, nullptr};

const Row kFile[] = {
    {"miNew", QT_TRANSLATE_NOOP("MainMenus", "&New"), "", &MainWindow::miNew_Click, &MainMenus::miNew},
    {"miOpen", QT_TRANSLATE_NOOP("MainMenus", "&Open"), "Ctrl+O", &MainWindow::miOpen_click, &MainMenus::miOpen},
    {"miSave", QT_TRANSLATE_NOOP("MainMenus", "&Save"), "Ctrl+S", &MainWindow::miSave_click, &MainMenus::miSave},
    {"miSaveAs", QT_TRANSLATE_NOOP("MainMenus", "S&ave As..."), "Ctrl+A", &MainWindow::miSaveAs_Click, &MainMenus::miSaveAs},
    kSeparator,
    {"miImport", QT_TRANSLATE_NOOP("MainMenus", "&Import"), "", &MainWindow::miImport_Click, nullptr},
    {"miImportScaled", QT_TRANSLATE_NOOP("MainMenus", "Import Scale&d..."), "", &MainWindow::miImportScaled_Click, nullptr},
    {"miExport", QT_TRANSLATE_NOOP("MainMenus", "&Export Picture..."), "", nullptr, nullptr, &EditCommands::exportPicture},
    {"miExportSource", QT_TRANSLATE_NOOP("MainMenus", "Export So&urce..."), "", &MainWindow::miExportSource_Click, nullptr},
    {"miAddToGroup", QT_TRANSLATE_NOOP("MainMenus", "Add to &Group..."), "", &MainWindow::miAddToGroup_Click, nullptr},
    kSeparator,
    {"miPrint", QT_TRANSLATE_NOOP("MainMenus", "&Print"), "Ctrl+P", &MainWindow::miPrint_click, &MainMenus::miPrint},
    {"mipgset", QT_TRANSLATE_NOOP("MainMenus", "Page Setup"), "", &MainWindow::mipgset_Click, nullptr},
    kSeparator,
    {"miSend", QT_TRANSLATE_NOOP("MainMenus", "Send to Calculator..."), "Ctrl+L", &MainWindow::miSend_Click, nullptr},
    {"miReceive", QT_TRANSLATE_NOOP("MainMenus", "&Receive from Calculator..."), "", &MainWindow::miReceive_Click, nullptr},
    {"miCapture", QT_TRANSLATE_NOOP("MainMenus", "&Capture Calculator Screen..."), "", &MainWindow::miCapture_Click, nullptr},
    {"miLinkSettings", QT_TRANSLATE_NOOP("MainMenus", "Lin&k Settings..."), "", &MainWindow::miLinkSettings_Click, nullptr},
    {"miOpenInTilp", QT_TRANSLATE_NOOP("MainMenus", "Open in &TiLP..."), "", &MainWindow::miOpenInTilp_Click, &MainMenus::miOpenInTilp},
    kSeparator,
    {"miExit", QT_TRANSLATE_NOOP("MainMenus", "E&xit"), "Ctrl+X", &MainWindow::miExit_Click, &MainMenus::miExit},
    {"mirecent", "", "", nullptr, nullptr},
};
// The designed items first; the zoom and the history follow, each after a separator.
const Row kDraw[] = {
    {"miCls", QT_TRANSLATE_NOOP("MainMenus", "&ClrDraw "), "Ctrl+C", &MainWindow::miCls_Click, &MainMenus::miCls},
    {"miTools", QT_TRANSLATE_NOOP("MainMenus", "Tools..."), "", nullptr, nullptr},
    kSeparator,
    {"miZoomIn", QT_TRANSLATE_NOOP("MainMenus", "Zoom In"), "Ctrl++; Ctrl+=", &MainWindow::miZoomIn_Click, nullptr},
    {"miZoomOut", QT_TRANSLATE_NOOP("MainMenus", "Zoom Out"), "Ctrl+-", &MainWindow::miZoomOut_Click, nullptr},
    {"miActualSize", QT_TRANSLATE_NOOP("MainMenus", "Actual Size"), "Ctrl+0", &MainWindow::miActualSize_Click, nullptr},
    {"miFit", QT_TRANSLATE_NOOP("MainMenus", "Fit"), "", &MainWindow::miFit_Click, nullptr},
    kSeparator,
    {"miUndo", QT_TRANSLATE_NOOP("MainMenus", "Undo"), "Ctrl+Z", &MainWindow::miUndo_Click, &MainMenus::miUndo},
    {"miRedo", QT_TRANSLATE_NOOP("MainMenus", "Redo"), "Ctrl+Y; Ctrl+Shift+Z", &MainWindow::miRedo_Click, &MainMenus::miRedo},
};
const Row kEdit[] = {
    {"miCut", QT_TRANSLATE_NOOP("MainMenus", "Cu&t"), "Shift+Del", nullptr, &MainMenus::miCut, &EditCommands::cut},
    {"miCopy", QT_TRANSLATE_NOOP("MainMenus", "&Copy"), "Ctrl+Ins", nullptr, &MainMenus::miCopy, &EditCommands::copy},
    {"miPaste", QT_TRANSLATE_NOOP("MainMenus", "&Paste"), "Ctrl+V; Shift+Ins", nullptr, nullptr, &EditCommands::paste},
    {"miPasteNew", QT_TRANSLATE_NOOP("MainMenus", "Paste as &New Picture"), "Ctrl+Shift+V", nullptr, nullptr, &EditCommands::pasteAsNewPicture},
    {"miDelete", QT_TRANSLATE_NOOP("MainMenus", "&Delete"), "Del", nullptr, &MainMenus::miDelete, &EditCommands::erase},
    {"miSelectAll", QT_TRANSLATE_NOOP("MainMenus", "Select &All"), "Ctrl+Shift+A", nullptr, nullptr, &EditCommands::selectAll},
    {"miDeselect", QT_TRANSLATE_NOOP("MainMenus", "D&eselect"), "Esc", nullptr, &MainMenus::miDeselect, &EditCommands::deselect},
    {"miCrop", QT_TRANSLATE_NOOP("MainMenus", "C&rop to Selection"), "Ctrl+Shift+X", nullptr, &MainMenus::miCrop, &EditCommands::crop},
    kSeparator,
    {"miFlipH", QT_TRANSLATE_NOOP("MainMenus", "Flip &Horizontal"), "Ctrl+Shift+H", nullptr, nullptr, &EditCommands::flipHorizontal},
    {"miFlipV", QT_TRANSLATE_NOOP("MainMenus", "Flip &Vertical"), "Ctrl+Shift+J", nullptr, nullptr, &EditCommands::flipVertical},
    {"miRotateRight", QT_TRANSLATE_NOOP("MainMenus", "Rotate Ri&ght"), "Ctrl+R", nullptr, nullptr, &EditCommands::rotateRight},
    {"miRotateLeft", QT_TRANSLATE_NOOP("MainMenus", "Rotate &Left"), "Ctrl+Shift+R", nullptr, nullptr, &EditCommands::rotateLeft},
    {"miInvert", QT_TRANSLATE_NOOP("MainMenus", "&Invert"), "Ctrl+I", nullptr, nullptr, &EditCommands::invert},
    {"miShift", QT_TRANSLATE_NOOP("MainMenus", "Shi&ft"), "", nullptr, nullptr},
    {"miCanvasSize", QT_TRANSLATE_NOOP("MainMenus", "Canvas &Size..."), "", nullptr, nullptr, &EditCommands::canvasSize},
    {"miTileGrid", QT_TRANSLATE_NOOP("MainMenus", "Tile Grid..."), "", nullptr, nullptr, &EditCommands::tileGrid},
    {"miGreyLevels", QT_TRANSLATE_NOOP("MainMenus", "Gre&y Levels"), "", nullptr, &MainMenus::miGreyLevels, &EditCommands::toggleGreyLevels},
    kSeparator,
    {"miTransparent", QT_TRANSLATE_NOOP("MainMenus", "Transparent Selecti&on"), "", nullptr, &MainMenus::miTransparent, &EditCommands::toggleTransparent},
};
// Shifting the picture, or the selection, by a pixel; what leaves one edge comes back at
// the other.
const Row kShift[] = {
    {"miShiftLeft", QT_TRANSLATE_NOOP("MainMenus", "&Left"), "Ctrl+Shift+Left", nullptr, nullptr, &EditCommands::shiftLeft},
    {"miShiftRight", QT_TRANSLATE_NOOP("MainMenus", "&Right"), "Ctrl+Shift+Right", nullptr, nullptr, &EditCommands::shiftRight},
    {"miShiftUp", QT_TRANSLATE_NOOP("MainMenus", "&Up"), "Ctrl+Shift+Up", nullptr, nullptr, &EditCommands::shiftUp},
    {"miShiftDown", QT_TRANSLATE_NOOP("MainMenus", "&Down"), "Ctrl+Shift+Down", nullptr, nullptr, &EditCommands::shiftDown},
};
const Row kView[] = {
    {"miPixelGrid", QT_TRANSLATE_NOOP("MainMenus", "Pixel &Grid"), "Ctrl+G", nullptr, &MainMenus::miPixelGrid, nullptr, &ViewOptions::togglePixelGrid},
    {"miPreview", QT_TRANSLATE_NOOP("MainMenus", "&Preview 1:1"), "Ctrl+1", nullptr, &MainMenus::miPreview, nullptr, &ViewOptions::togglePreview},
};
const Row kHelp[] = {
    {"miInstructions", QT_TRANSLATE_NOOP("MainMenus", "&Instructions"), "F1", &MainWindow::miInstructions_click, nullptr},
    {"miUserGuide", QT_TRANSLATE_NOOP("MainMenus", "&User Guide"), "", &MainWindow::miUserGuide_Click, nullptr},
    {"miAbout", QT_TRANSLATE_NOOP("MainMenus", "&About"), "", &MainWindow::miAbout_Click, nullptr},
};
struct Menu
{
    const char *title;
    std::span<const Row> rows;
};
const Menu kMenus[] = {{QT_TRANSLATE_NOOP("MainMenus", "&File"), kFile},
                        {QT_TRANSLATE_NOOP("MainMenus", "&Edit"), kEdit},
                        {QT_TRANSLATE_NOOP("MainMenus", "&Draw"), kDraw},
                        {QT_TRANSLATE_NOOP("MainMenus", "&View"), kView},
                        {QT_TRANSLATE_NOOP("MainMenus", "&Help"), kHelp}};

// A caption of the tables in the user's language.
QString shown(const char *caption) { return QCoreApplication::translate("MainMenus", caption); }

// The tools added after the designed twelve carry access keys.
QString toolCaption(int tool)
{
    const QString name = shownToolName(toolFromNumber(tool));
    return tool > kToolCount ? u'&' + name : name;
}

QAction *newItem(MainWindow &window, const QString &name, const QString &caption)
{
    auto *item = new QAction(caption, &window);
    item->setObjectName(name);
    return item;
}

// Radio items: one tool at a time.
void addTools(MainWindow &window, QMenu &menu, MainMenus &menus)
{
    auto *group = new QActionGroup(&menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int tool = 1; tool <= kAllToolCount; ++tool) {
        QAction *item = newItem(window, QStringLiteral("mitool%1").arg(tool), toolCaption(tool));
        item->setCheckable(true);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, tool] { window.tools().miTool_Click(toolFromNumber(tool)); });
        menus.mitool[tool] = item;
        menu.addAction(item);
    }
}

// Hidden until there are recent files; the first stays enabled, as designed.
void addRecent(MainWindow &window, QMenu &menu, MainMenus &menus)
{
    menus.miLine4 = menu.addSeparator();
    menus.miLine4->setVisible(false);
    for (int i = 0; i < RecentList::kCount; ++i) {
        QAction *item = newItem(window, QStringLiteral("mirecent%1").arg(i), {});
        item->setVisible(false);
        item->setEnabled(i == 0);
        QObject::connect(item, &QAction::triggered, &window, [&window, i] { window.miRecent_Click(i); });
        menus.mirecent[i] = item;
        menu.addAction(item);
    }
}

void addRow(const Row &row, MainWindow &window, QMenu &menu, MainMenus &menus)
{
    const QString name = QString::fromLatin1(row.name);
    if (name == u'-')
        menu.addSeparator();
    else if (name == QStringLiteral("miTools")) {
        menus.miTools = menu.addMenu(shown(row.caption));
        addTools(window, *menus.miTools, menus);
    } else if (name == QStringLiteral("miShift")) {
        QMenu *shift = menu.addMenu(shown(row.caption));
        shift->menuAction()->setObjectName(name);
        for (const Row &one : kShift)
            addRow(one, window, *shift, menus);
    } else if (name == QStringLiteral("mirecent"))
        addRecent(window, menu, menus);
    else {
        QAction *item = newItem(window, name, shown(row.caption));
        if (*row.keys)
            item->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.keys)));
        if (row.edit)
            QObject::connect(item, &QAction::triggered, &window, [&window, edit = row.edit] { (window.edit().*edit)(); });
        else if (row.view)
            QObject::connect(item, &QAction::triggered, &window, [&window, view = row.view] { (window.view().*view)(); });
        else
            QObject::connect(item, &QAction::triggered, &window, [&window, handler = row.handler] {
                window.tools().landSelection();
                (window.*handler)();
            });
        if (row.kept)
            menus.*row.kept = item;
        menu.addAction(item);
    }
}
} // namespace

MainMenus buildMainMenus(MainWindow &window, QMenuBar &bar)
{
    MainMenus menus;
    for (const Menu &menu : kMenus) {
        QMenu *items = bar.addMenu(shown(menu.title));
        for (const Row &row : menu.rows)
            addRow(row, window, *items, menus);
    }
    return menus;
}

void showSelection(MainMenus &menus, bool selected)
{
    const auto keys = [](std::initializer_list<const char *> names) {
        QList<QKeySequence> sequences;
        for (const char *name : names)
            sequences << QKeySequence(QString::fromLatin1(name));
        return sequences;
    };
    menus.miExit->setShortcuts(selected ? QList<QKeySequence>() : keys({"Ctrl+X"}));
    menus.miCls->setShortcuts(selected ? QList<QKeySequence>() : keys({"Ctrl+C"}));
    menus.miCut->setShortcuts(selected ? keys({"Ctrl+X", "Shift+Del"}) : keys({"Shift+Del"}));
    menus.miCopy->setShortcuts(selected ? keys({"Ctrl+C", "Ctrl+Ins"}) : keys({"Ctrl+Ins"}));
    for (QAction *item : {menus.miCut, menus.miCopy, menus.miDelete, menus.miCrop, menus.miDeselect})
        item->setEnabled(selected);
}
