#pragma once

// The document's state as the five File-menu items show it, kept as four facts: whether a
// picture is shown, whether a file is known, whether there is a change no file holds
// (drawing or an import) and whether there is drawing no file holds. The items follow from
// them: New is disabled by drawing, Open by any change, Save needs a file, Save As and Print
// a picture. The events below set the facts as designed; undo and redo, and edited
// calculator texts, are added by PictureDocument.
struct FileMenuState
{
    bool pictureShown = false;
    bool knownFile = false;
    bool unsavedChange = false;
    bool unsavedDrawing = false;

    struct Items
    {
        bool newEnabled = true;
        bool openEnabled = true;
        bool saveEnabled = false;
        bool saveAsEnabled = false;
        bool printEnabled = false;
        bool operator==(const Items &) const = default;
    };
    Items items() const { return {!unsavedDrawing, !unsavedChange, knownFile, pictureShown, pictureShown}; }

    // Open disabled: a change that Exit, New, Open and a drop must not lose.
    bool hasUnsavedDrawing() const { return unsavedChange; }

    // The events that change the facts, one function each.
    void startUp() { pictureShown = knownFile = false; }
    void fileRead()
    {
        pictureShown = knownFile = true;
        unsavedChange = unsavedDrawing = false;
    }
    void clearDrawing() { pictureShown = knownFile = unsavedChange = unsavedDrawing = false; }
    void newPicture() { pictureShown = knownFile = false; }
    void imported() { pictureShown = unsavedChange = true; }
    void drawingPress() { pictureShown = unsavedChange = unsavedDrawing = true; }
    void fileWritten() { unsavedChange = unsavedDrawing = false; }
    void savedAs()
    {
        knownFile = true;
        unsavedChange = false;
    }

    bool operator==(const FileMenuState &) const = default;
};
