#pragma once

#include <QPointer>

class CanvasView;
class PictureDocument;
class PreviewWindow;
class QAction;
class QWidget;
class Selection;
class Settings;

// The View menu: the pixel grid over the canvas, as the user last left it, and the 1:1
// preview window.
class ViewOptions
{
public:
    struct Items
    {
        QAction &pixelGrid;
        QAction &preview;
    };
    ViewOptions(CanvasView &canvas, const PictureDocument &document, const Selection &selection, Settings &settings, Items items, QWidget &window);

    void togglePixelGrid();
    void togglePreview();
    // The preview while it shows, else none.
    PreviewWindow *preview() const;

private:
    void showPreview(bool shown);

    CanvasView &m_canvas;
    const PictureDocument &m_document;
    const Selection &m_selection;
    Settings &m_settings;
    Items m_items;
    QWidget &m_window;
    QPointer<PreviewWindow> m_preview;
};
