#pragma once

#include <QFont>

// The fonts of the windows' design, each mapped onto fonts a Linux desktop has. The design
// places every box in screen pixels at 96 dots per inch, so a size given in points becomes a
// pixel size at that resolution: the text then fits its box whatever the desktop's DPI setting.

// The first of the families that is installed, alone; all of them when none is.
QStringList firstInstalled(const QStringList &families, const QStringList &installed);

// The font with only the first of its families that is installed. Given several families, Qt
// asks fontconfig at the font's first use for the fallbacks of the family it loads (a sort of
// every installed font: about half a millisecond, four times over as the main window starts);
// given one, only once a character is missing from it. For texts the first family covers,
// the same fonts are drawn either way.
QFont firstFamilyOnly(QFont font);

// Pixel size of a font of the given points at 96 dots per inch (12 pt -> 16 px).
int pixelSizeOf(double points);

// The calculator font "TI92pc" (bold) of the folder and variable-name boxes; a bold monospace
// face that covers Greek and mathematical signs stands in when it is not installed. Only the
// first installed family is given (firstFamilyOnly): the characters of the calculator that it
// lacks come from the fonts fontconfig falls back on, which are the ones the rest of the list
// gave (with Debian's DejaVu, Liberation and URW fonts).
QFont calcFont(double points = 13.5);

// The bold "System" font of the comment box; a bold sans stands in. The first installed
// family alone, as the calculator font.
QFont systemFont(double points = 9.75);

// Times New Roman, or a serif with the same metrics.
QFont serifFont(double points, bool bold = true);

// The small windows' ordinary sans (MS Sans Serif 8.25 pt in the design).
QFont dialogFont(double points = 8.25, bool bold = false);
