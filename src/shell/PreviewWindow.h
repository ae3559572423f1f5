#pragma once

#include "document/PictureDocument.h"

#include <QImage>
#include <QScrollArea>

class Selection;

// View > Preview 1:1: a small window of its own beside the main one showing the picture at
// the calculator's size, one screen pixel per pixel, as the canvas shows it (a floating
// selection where it floats), following every change. A picture wider or taller than the
// screen scrolls.
class PreviewWindow : public QScrollArea
{
    Q_OBJECT
public:
    PreviewWindow(const PictureDocument &document, const Selection &selection, QWidget *parent);

    // What the window shows, one pixel per picture pixel.
    QImage image() const;
    // The floating selection moved or changed.
    void selectionChanged();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void pictureChanged(const PictureChange &change);
    void fitWindow();

    class Picture;
    Picture *m_picture;
    PictureDocument::Watch m_watch;
};
