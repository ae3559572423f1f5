#include "shell/MainMenus.h"

#include "shell/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <span>

namespace {
using Handler = void (MainWindow::*)();

// One row of a menu: an item with its design name, caption (with its access key), shortcuts
// ("; " between two) and handler, and where MainMenus keeps it when the window changes it.
// The name "-" is a separator, "miTools" the tools submenu, "mirecent" the recent files
// below a separator that shows only with them.
struct Row
{
    const char *name;
    const char *caption;
    const char *keys;
    Handler handler;
    QAction *MainMenus::*kept;
};
constexpr Row kSeparator{"-", "", "", nullptr, nullptr};

const Row kFile[] = {
    {"miNew", "&New", "", &MainWindow::miNew_Click, &MainMenus::miNew},
    {"miOpen", "&Open", "Ctrl+O", &MainWindow::miOpen_click, &MainMenus::miOpen},
    {"miSave", "&Save", "Ctrl+S", &MainWindow::miSave_click, &MainMenus::miSave},
    {"miSaveAs", "S&ave As...", "Ctrl+A", &MainWindow::miSaveAs_Click, &MainMenus::miSaveAs},
    kSeparator,
    {"miImport", "&Import", "", &MainWindow::miImport_Click, nullptr},
    {"miImportScaled", "Import Scale&d...", "", &MainWindow::miImportScaled_Click, nullptr},
    kSeparator,
    {"miPrint", "&Print", "Ctrl+P", &MainWindow::miPrint_click, &MainMenus::miPrint},
    {"mipgset", "Page Setup", "", &MainWindow::mipgset_Click, nullptr},
    kSeparator,
    {"miSend", "Send to Calculator...", "Ctrl+L", &MainWindow::miSend_Click, nullptr},
    kSeparator,
    {"miExit", "E&xit", "Ctrl+X", &MainWindow::miExit_Click, nullptr},
    {"mirecent", "", "", nullptr, nullptr},
};
// The designed items first; the zoom and the history follow, each after a separator.
const Row kDraw[] = {
    {"miCls", "&ClrDraw ", "Ctrl+C", &MainWindow::miCls_Click, nullptr},
    {"miTools", "Tools...", "", nullptr, nullptr},
    kSeparator,
    {"miZoomIn", "Zoom In", "Ctrl++; Ctrl+=", &MainWindow::miZoomIn_Click, nullptr},
    {"miZoomOut", "Zoom Out", "Ctrl+-", &MainWindow::miZoomOut_Click, nullptr},
    {"miActualSize", "Actual Size", "Ctrl+0", &MainWindow::miActualSize_Click, nullptr},
    {"miFit", "Fit", "", &MainWindow::miFit_Click, nullptr},
    kSeparator,
    {"miUndo", "Undo", "Ctrl+Z", &MainWindow::miUndo_Click, &MainMenus::miUndo},
    {"miRedo", "Redo", "Ctrl+Y; Ctrl+Shift+Z", &MainWindow::miRedo_Click, &MainMenus::miRedo},
};
const Row kHelp[] = {
    {"miInstructions", "&Instructions", "F1", &MainWindow::miInstructions_click, nullptr},
    {"miAbout", "&About", "", &MainWindow::miAbout_Click, nullptr},
};
struct Menu
{
    const char *title;
    std::span<const Row> rows;
};
const Menu kMenus[] = {{"&File", kFile}, {"&Draw", kDraw}, {"&Help", kHelp}};

const char *const kToolCaptions[] = {"", "Pen", "Erase", "Line", "WhLine", "Box", "WhBox", "Bar",
                                     "WhBar", "Circle", "WhCircle", "Ellipse", "WhEllipse"};

QAction *newItem(MainWindow &window, const QString &name, const QString &caption)
{
    auto *item = new QAction(caption, &window);
    item->setObjectName(name);
    return item;
}

void addTools(MainWindow &window, QMenu &menu, MainMenus &menus)
{
    for (int tool = 1; tool <= kToolCount; ++tool) {
        QAction *item = newItem(window, QStringLiteral("mitool%1").arg(tool), QString::fromLatin1(kToolCaptions[tool]));
        item->setCheckable(true);
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
        menus.miTools = menu.addMenu(QString::fromLatin1(row.caption));
        addTools(window, *menus.miTools, menus);
    } else if (name == QStringLiteral("mirecent"))
        addRecent(window, menu, menus);
    else {
        QAction *item = newItem(window, name, QString::fromLatin1(row.caption));
        if (*row.keys)
            item->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.keys)));
        QObject::connect(item, &QAction::triggered, &window, row.handler);
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
        QMenu *shown = bar.addMenu(QString::fromLatin1(menu.title));
        for (const Row &row : menu.rows)
            addRow(row, window, *shown, menus);
    }
    return menus;
}
