// Grey pictures in the window: the palette of the four levels, the status bar's level and
// Edit > Grey Levels' check mark, all following the picture's levels.

#include "canvas/CanvasView.h"
#include "shell/GreyPalette.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"

#include <QAction>

void MainWindow::createGreyControls(QWidget *client)
{
    m_greyPalette = new GreyPalette(client);
    m_greyPalette->move(184, 2); // in the toolbar's row, after the link program's button
    m_greyPalette->adjustSize();
    m_greyPalette->hide();
    connect(m_greyPalette, &GreyPalette::levelChosen, this, [this](int level) { m_tools.setInk(level); });
    m_tools.inkChanged = [this] { showLevels(); };
}

void MainWindow::showLevels()
{
    const bool grey = document().isGrey();
    if (m_menus.miGreyLevels) {
        m_menus.miGreyLevels->setCheckable(true);
        m_menus.miGreyLevels->setChecked(grey);
    }
    m_greyPalette->setVisible(grey);
    m_greyPalette->showLevel(m_tools.ink());
    m_status->showLevel(grey, GreyPalette::levelName(m_tools.ink()));
}

QString MainWindow::statusLevel() const { return m_status->level(); }
