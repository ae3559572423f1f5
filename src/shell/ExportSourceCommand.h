#pragma once

#include "document/PixelGrid.h"
#include "shell/ExportSourceQuestion.h"

#include <QCoreApplication>

#include <string_view>
#include <vector>

class FileDialogs;
class FileStore;
class Messages;
class PictureDocument;
class Selection;

// What File > Export Source... writes from: the selection's pixels as they show (what floats,
// or the picture under a fixed one, cut to the picture) or else the whole picture, as one
// plane (1 = black) or, for a grey picture, its light and dark planes.
struct SourcePicture
{
    std::vector<PixelGrid> planes;
    int width = 0, height = 0;
    bool selection = false;
};
SourcePicture sourcePicture(const PictureDocument &document, const Selection &selection);

// File > Export Source...: the C source of the picture or the selection, as the converter's
// --sprite writes it, into a .h or .c file the user names. The options come from the
// question; a picture wider than the rows chosen is refused with the reason before any file
// is asked for. The file is written whole or left as it was.
class ExportSourceCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportSourceCommand)

public:
    struct Desk
    {
        ExportSourceQuestion &question;
        FileDialogs &dialogs;
        FileStore &files;
        Messages &messages;
    };

    explicit ExportSourceCommand(Desk desk) : m_desk(desk) {}

    // `name` is the Pic Var Name (calculator bytes), the array name the dialog starts from.
    // `tiles`: the tile grid's size, empty for none.
    void run(const PictureDocument &document, const Selection &selection, std::string_view name, QSize tiles = {});

private:
    Desk m_desk;
};
