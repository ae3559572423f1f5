#pragma once

#include <QCoreApplication>
#include <QString>

// The drawing tools, numbered as the items of the tool menu (mitool 1 to 12, then the
// selection, the fills and the text). Odd numbers up to 12 draw black, even ones white;
// None means "no tool until the next press", which then takes the saved tool.
enum class Tool {
    None = 0,
    Pen = 1, Erase = 2, Line = 3, WhLine = 4, Box = 5, WhBox = 6,
    Bar = 7, WhBar = 8, Circle = 9, WhCircle = 10, Ellipse = 11, WhEllipse = 12,
    Select = 13, Fill = 14, WhFill = 15, Text = 16,
};

inline constexpr int kToolCount = 12;    // the tools the menu was designed with
inline constexpr int kAllToolCount = 16; // with the ones added after them

// The tool of menu item `number` (1..16); None for any other number.
constexpr Tool toolFromNumber(int number)
{
    return number >= 1 && number <= kAllToolCount ? static_cast<Tool>(number) : Tool::None;
}

constexpr int toolNumber(Tool tool) { return static_cast<int>(tool); }

// Line to WhEllipse: dragged with a rubber band, drawn at the release.
constexpr bool isShape(Tool tool) { return tool >= Tool::Line && tool <= Tool::WhEllipse; }

// Pen and Erase: draw at the press and along every move.
constexpr bool isFreehand(Tool tool) { return tool == Tool::Pen || tool == Tool::Erase; }

// The tools' names, as the tool menu shows them.
inline const char *toolName(Tool tool)
{
    static const char *const kNames[] = {
        "",
        QT_TRANSLATE_NOOP("Tool", "Pen"),       QT_TRANSLATE_NOOP("Tool", "Erase"),
        QT_TRANSLATE_NOOP("Tool", "Line"),      QT_TRANSLATE_NOOP("Tool", "WhLine"),
        QT_TRANSLATE_NOOP("Tool", "Box"),       QT_TRANSLATE_NOOP("Tool", "WhBox"),
        QT_TRANSLATE_NOOP("Tool", "Bar"),       QT_TRANSLATE_NOOP("Tool", "WhBar"),
        QT_TRANSLATE_NOOP("Tool", "Circle"),    QT_TRANSLATE_NOOP("Tool", "WhCircle"),
        QT_TRANSLATE_NOOP("Tool", "Ellipse"),   QT_TRANSLATE_NOOP("Tool", "WhEllipse"),
        QT_TRANSLATE_NOOP("Tool", "Select"),    QT_TRANSLATE_NOOP("Tool", "Fill"),
        QT_TRANSLATE_NOOP("Tool", "WhFill"),    QT_TRANSLATE_NOOP("Tool", "Text")};
    return kNames[toolNumber(tool) >= 0 && toolNumber(tool) <= kAllToolCount ? toolNumber(tool) : 0];
}

// A tool's name in the user's language, as the menu and the status bar show it.
inline QString shownToolName(Tool tool) { return QCoreApplication::translate("Tool", toolName(tool)); }

// The tool of a letter key pressed over the canvas, Shift for the white variant: P Pen,
// E Erase, L Line, B Box, R Bar, C Circle, O Ellipse, S Select, F Fill, T Text. None for
// any other key.
constexpr Tool toolForKey(char letter, bool shift)
{
    switch (letter) {
    case 'P': return shift ? Tool::None : Tool::Pen;
    case 'E': return shift ? Tool::None : Tool::Erase;
    case 'L': return shift ? Tool::WhLine : Tool::Line;
    case 'B': return shift ? Tool::WhBox : Tool::Box;
    case 'R': return shift ? Tool::WhBar : Tool::Bar;
    case 'C': return shift ? Tool::WhCircle : Tool::Circle;
    case 'O': return shift ? Tool::WhEllipse : Tool::Ellipse;
    case 'S': return shift ? Tool::None : Tool::Select;
    case 'F': return shift ? Tool::WhFill : Tool::Fill;
    case 'T': return shift ? Tool::None : Tool::Text;
    default: return Tool::None;
    }
}

// The key of a tool (toolForKey's inverse): its letter, 0 for a tool without one, and
// whether Shift goes with it.
struct ToolKey
{
    char letter = 0;
    bool shift = false;
};
constexpr ToolKey keyForTool(Tool tool)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        for (const bool shift : {false, true})
            if (tool != Tool::None && toolForKey(letter, shift) == tool)
                return {letter, shift};
    return {};
}

// Fill and WhFill: a click fills the region of the clicked colour.
constexpr bool isFill(Tool tool) { return tool == Tool::Fill || tool == Tool::WhFill; }

// The freehand tool of a shape's colour: Pen for the black shapes, Erase for the white ones.
constexpr Tool colourTool(Tool shape) { return toolNumber(shape) % 2 == 1 ? Tool::Pen : Tool::Erase; }
