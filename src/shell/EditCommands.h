#pragma once

#include "document/PictureOps.h"
#include "platform/Clipboard.h"
#include "shell/EditQuestions.h"

#include <QCoreApplication>
#include <QImage>
#include <QPoint>
#include <functional>

class DrawingTools;
class FileDialogs;
class FileSession;
class FileStore;
class Messages;
class PictureDocument;
class Selection;
class Settings;

// The clipboard of this program alone, for a window whose desktop brings none.
class ProgramClipboard : public Clipboard
{
public:
    QImage image() const override { return m_image; }
    void setImage(const QImage &image) override { m_image = image; }

private:
    QImage m_image;
};

// The Edit menu and the picture commands: the clipboard, the selection, flips, rotations,
// Invert, shifting, Canvas Size... and the Text tool. Every command that changes the picture
// lands what floats first and is one step of the history; with a selection, the flips,
// rotations, Invert and the shifts work on the selection alone.
class EditCommands
{
    Q_DECLARE_TR_FUNCTIONS(EditCommands)

public:
    // What the commands need of the window.
    struct Host
    {
        std::function<QPoint()> visibleTopLeft;             // picture pixel at the canvas's visible top-left
        std::function<void(const QImage &)> importScaled;   // a pasted picture larger than the picture
        std::function<void()> pictureChanged;               // the menus and the history to show again
        std::function<void(QSize)> tileGridChanged;         // the tile grid to show, empty for none
    };

    // What they need of the desktop.
    struct Desk
    {
        Settings &settings;
        Clipboard &clipboard;
        EditQuestions &questions;
        Messages &messages;
        FileDialogs &dialogs;
        FileStore &files;
    };

    EditCommands(FileSession &session, DrawingTools &tools, Desk desk, Host host);

    bool hasSelection() const;

    void cut();
    void copy();
    void paste();
    void pasteAsNewPicture();
    void erase();
    void selectAll();
    void deselect(); // Escape: a floating selection goes back, a fixed one goes
    void land();     // Enter: what floats lands
    void crop();
    void flip(PictureOps::Axis axis);
    void rotate(PictureOps::Turn turn);
    void invert();
    void shift(int dx, int dy);
    void canvasSize();
    // Edit > Tile Grid...: the tiles of a sheet of sprites, shown over the canvas and offered
    // to Export Source; empty when there is no grid.
    void tileGrid();
    QSize tileSize() const { return m_tileSize; }
    // The grid of a sheet of sprites just opened: its tiles' size.
    void setTileSize(QSize size);
    // The same, as the menu's items call them.
    void flipHorizontal() { flip(PictureOps::Axis::Horizontal); }
    void flipVertical() { flip(PictureOps::Axis::Vertical); }
    void rotateRight() { rotate(PictureOps::Turn::Right); }
    void rotateLeft() { rotate(PictureOps::Turn::Left); }
    void shiftLeft() { shift(-1, 0); }
    void shiftRight() { shift(1, 0); }
    void shiftUp() { shift(0, -1); }
    void shiftDown() { shift(0, 1); }
    // Edit > Transparent Selection: floating pixels land only where black; remembered.
    bool transparent() const;
    void setTransparent(bool on);
    void toggleTransparent() { setTransparent(!transparent()); }
    // Edit > Grey Levels: the picture between 2 and 4 levels, one step of the history.
    void toggleGreyLevels();
    // The Text tool clicked at picture pixel (x, y).
    void text(int x, int y);
    // File > Export Picture...: the picture itself, 1 bit, as PNG, PBM or BMP, each pixel a
    // square of the scale asked for; a grey picture in its four greys as PNG, PGM or BMP.
    void exportPicture();

private:
    PictureDocument &document();
    QSize m_tileSize;
    Selection &selection();
    // Changes the picture, or the selection when there is one, by `op` on its pixels.
    void transform(const std::function<PixelGrid(const PixelGrid &, int, int)> &op);
    void drawn();
    // A picture from outside as cells of this picture: levels in a grey one, else 0/1.
    PixelGrid cellsOf(const QImage &image);

    FileSession &m_session;
    DrawingTools &m_tools;
    Desk m_desk;
    Host m_host;
    TextChoice m_text; // the font of the last text
};
