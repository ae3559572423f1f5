#pragma once

class Clipboard;
class Desktop;
class EditQuestions;
class FileDialogs;
class FileStore;
class Messages;
class PictureLoader;
class PrintDialog;
class ProgramLauncher;
class ProgramRunner;
class Questions;
class ScaledImportQuestion;
class Settings;

// Everything the main window needs from the desktop. The program passes the Qt versions,
// tests pass fakes that record what was asked and give scripted answers.
struct Services
{
    Messages &messages;
    FileDialogs &dialogs;
    FileStore &files;
    Settings &settings;
    PictureLoader &pictures;
    PrintDialog &printDialog;
    ProgramLauncher &launcher;
    Desktop &desktop;
    Questions &questions;
    ProgramRunner &programs;
    // File > Import Scaled...'s dialog; none: the window asks with a dialog of its own.
    ScaledImportQuestion *scaledImport = nullptr;
    // The clipboard and the Edit menu's questions; none: the window's own.
    Clipboard *clipboard = nullptr;
    EditQuestions *editQuestions = nullptr;
};
