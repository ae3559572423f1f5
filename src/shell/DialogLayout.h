#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QDialog;
class QDialogButtonBox;
class QFont;
class QLabel;
class QWidget;

// The pieces every small window of the program is built from. Positions and sizes are screen
// pixels of the design layout (15 twips per pixel), relative to the window's client area.

// A modal window with a title and close box only, a fixed client area and a plain back colour,
// in the windows' ordinary font.
void shapeDialog(QDialog &dialog, const QString &caption, const QSize &client, const QColor &back);

// A word-wrapping label at a fixed place; the object name is the control's name.
QLabel *placeLabel(QWidget &parent, const QString &name, const QString &text, const QRect &geometry,
                   const QFont &font);

// Colours the text of a label (or any widget that draws with the window-text role).
void setTextColour(QWidget &widget, const QColor &colour);

// OK and Cancel, accepting and rejecting the dialog.
QDialogButtonBox *okCancel(QDialog &dialog);
