#pragma once

#include "canvas/Tool.h"
#include "session/RecentList.h"

#include <array>

class MainWindow;
class QAction;
class QMenu;
class QMenuBar;

// The items of the menu bar that the window changes after making them: enabled states,
// check marks and the recent files.
struct MainMenus
{
    QAction *miNew = nullptr, *miOpen = nullptr, *miSave = nullptr, *miSaveAs = nullptr, *miPrint = nullptr;
    QAction *miUndo = nullptr, *miRedo = nullptr; // the picture's history
    QAction *miLine4 = nullptr;                   // the separator above the recent files
    std::array<QAction *, RecentList::kCount> mirecent{};
    std::array<QAction *, kAllToolCount + 1> mitool{}; // 1..16
    QMenu *miTools = nullptr;
    // Ctrl+X and Ctrl+C cut and copy while there is a selection, and exit and clear
    // otherwise; the Edit items that need a selection.
    QAction *miExit = nullptr, *miCls = nullptr;
    QAction *miCut = nullptr, *miCopy = nullptr, *miDelete = nullptr, *miCrop = nullptr, *miDeselect = nullptr;
    QAction *miTransparent = nullptr;
    QAction *miGreyLevels = nullptr; // checked while the picture has four grey levels
    QAction *miOpenInTilp = nullptr; // shown only when TiLP is installed
    QAction *miPixelGrid = nullptr, *miPreview = nullptr; // the View menu's checks
};

// While there is a selection Ctrl+X and Ctrl+C cut and copy it, otherwise they are Exit and
// ClrDraw, as designed; the items that need a selection are enabled with one.
void showSelection(MainMenus &menus, bool selected);

// Fills the window's menu bar from the table of its menus, each item connected to the
// window's handler of its design name.
MainMenus buildMainMenus(MainWindow &window, QMenuBar &bar);
