#pragma once

// The document state, as the five File-menu items carry it: Open disabled means unsaved
// drawing, Save As enabled means a picture is shown, Print enabled means something can be
// printed, Save enabled means a file is known. The events below set it as designed; undo and
// redo, and edited calculator texts, are added by PictureDocument.
struct FileMenuState
{
    bool newEnabled = true;
    bool openEnabled = true;
    bool saveEnabled = false;
    bool saveAsEnabled = false;
    bool printEnabled = false;

    bool hasUnsavedDrawing() const { return !openEnabled; }

    // The events that change the flags, one function each.
    void startUp() { saveEnabled = saveAsEnabled = printEnabled = false; }
    void fileRead() { newEnabled = openEnabled = saveEnabled = saveAsEnabled = printEnabled = true; }
    void clearDrawing()
    {
        newEnabled = openEnabled = true;
        saveEnabled = saveAsEnabled = printEnabled = false;
    }
    void newPicture() { saveEnabled = saveAsEnabled = printEnabled = false; }
    void imported()
    {
        openEnabled = false;
        saveAsEnabled = printEnabled = true;
    }
    void drawingPress()
    {
        newEnabled = openEnabled = false;
        saveAsEnabled = printEnabled = true;
    }
    void fileWritten() { newEnabled = openEnabled = true; }
    void savedAs() { openEnabled = saveEnabled = true; }

    bool operator==(const FileMenuState &) const = default;
};
