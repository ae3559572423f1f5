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
    std::array<QAction *, kToolCount + 1> mitool{}; // 1..12
    QMenu *miTools = nullptr;
};

// Fills the window's menu bar from the table of its menus, each item connected to the
// window's handler of its design name.
MainMenus buildMainMenus(MainWindow &window, QMenuBar &bar);
