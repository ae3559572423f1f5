#include "shell/ToolKeys.h"

#include "canvas/DrawingTools.h"
#include "shell/MainMenus.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

QString toolKeyText(Tool tool)
{
    const ToolKey key = keyForTool(tool);
    if (!key.letter)
        return {};
    const int code = Qt::Key_A + (key.letter - 'A');
    return QKeySequence(key.shift ? int(Qt::SHIFT) | code : code).toString(QKeySequence::NativeText);
}

ToolKeys::ToolKeys(QWidget &window, DrawingTools &tools) : QObject(&window), m_tools(tools)
{
    window.installEventFilter(this);
}

QStringList toolMenuCaptions(const MainMenus &menus)
{
    QStringList captions;
    for (int tool = 1; tool <= kAllToolCount; ++tool)
        captions << menus.mitool[tool]->text() + u'\t' + toolKeyText(toolFromNumber(tool));
    return captions;
}

bool ToolKeys::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() < Qt::Key_A || key->key() > Qt::Key_Z || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier))
        return false;
    if (key->key() == Qt::Key_K && modifiers == Qt::NoModifier) {
        m_tools.armPickLevel(); // a grey picture's level picked by the next click
        return true;
    }
    const Tool tool = toolForKey(char('A' + (key->key() - Qt::Key_A)), modifiers == Qt::ShiftModifier);
    if (tool == Tool::None)
        return false;
    m_tools.miTool_Click(tool);
    return true;
}
