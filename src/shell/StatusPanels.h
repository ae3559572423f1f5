#pragma once

#include "canvas/Tool.h"
#include "document/PictureDocument.h"

#include <QString>

class QLabel;
class QRect;
class QStatusBar;
class QWidget;
class Selection;

// The window's status bar: the file's name, the pixel under the mouse, the tool and the zoom,
// the size of the selection while there is one and of the picture otherwise, and in a grey
// picture the level the black tools draw.
class StatusPanels
{
public:
    StatusPanels(QWidget &parent, const QRect &geometry);

    QStatusBar &bar() const { return *m_bar; }
    // The size panel follows the picture and its selection from now on.
    void follow(const PictureDocument &document, const Selection &selection);

    void setFileName(const QString &text);
    QString fileName() const;
    void setCoordinates(const QString &text);
    // "Pick Level" for the tool while the next click picks a grey level.
    void showToolAndZoom(Tool tool, double zoom, bool pickingLevel = false);
    QString toolAndZoom() const;
    // Shown for a grey picture only.
    void showLevel(bool grey, const QString &level);
    QString level() const;
    void showSize();
    QString size() const;

private:
    QStatusBar *m_bar;
    QLabel *m_fileName;    // "Filename"
    QLabel *m_coordinates; // "Coordinates"
    QLabel *m_toolAndZoom;
    QLabel *m_size;
    QLabel *m_level; // grey pictures only: the ink's level
    const PictureDocument *m_document = nullptr;
    const Selection *m_selection = nullptr;
    PictureDocument::Watch m_watch;
};
