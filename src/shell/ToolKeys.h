#pragma once

#include "canvas/Tool.h"

#include <QObject>
#include <QString>

#include <QStringList>

class DrawingTools;
struct MainMenus;

// "P", "Shift+L": the key of a tool as menus show it; empty for a tool without one.
QString toolKeyText(Tool tool);
// The canvas's menu of tools: each tool's caption, as the Tools menu has it, with its key.
QStringList toolMenuCaptions(const MainMenus &menus);

// A tool's letter (Shift for the white one) chooses it wherever the main window has the
// focus, not only over the canvas: the keys no control of the window took for itself come
// here (a text box takes its letters, so typing a name never changes the tool).
class ToolKeys : public QObject
{
public:
    ToolKeys(QWidget &window, DrawingTools &tools);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DrawingTools &m_tools;
};
