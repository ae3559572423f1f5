#pragma once

#include <QFont>

// The fonts of the windows' design, each mapped onto fonts a Linux desktop has. The design
// places every box in screen pixels at 96 dots per inch, so a size given in points becomes a
// pixel size at that resolution: the text then fits its box whatever the desktop's DPI setting.

// Pixel size of a font of the given points at 96 dots per inch (12 pt -> 16 px).
int pixelSizeOf(double points);

// The calculator font "TI92pc" (bold) of the folder and variable-name boxes; a bold monospace
// face that covers Greek and mathematical signs stands in when it is not installed.
QFont calcFont(double points = 13.5);

// The bold "System" font of the comment box; a bold sans stands in.
QFont systemFont(double points = 9.75);

// Times New Roman, or a serif with the same metrics.
QFont serifFont(double points, bool bold = true);

// The small windows' ordinary sans (MS Sans Serif 8.25 pt in the design).
QFont dialogFont(double points = 8.25, bool bold = false);
