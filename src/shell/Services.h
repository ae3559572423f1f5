#pragma once

#include <functional>
#include <memory>

class CalculatorLink;
class Clipboard;
class Desktop;
class EditQuestions;
class ExportSourceQuestion;
class FileDialogs;
class FileStore;
class GroupQuestions;
class LinkQuestions;
class Messages;
class PictureLoader;
class PrintDialog;
class ProgramLauncher;
class ProgramRunner;
class Progress;
class Questions;
class RecoveryStore;
class ScaledImportQuestion;
class SourceQuestions;
class Settings;
struct LinkSettings;

// A link to the calculator the settings name, showing its work with the progress given.
using CalculatorLinkFactory = std::function<std::unique_ptr<CalculatorLink>(const LinkSettings &, Progress *)>;

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
    // The calculator link: the transfers (none: the link commands say there is no link), the
    // progress they show, and the Link Settings, receive and capture questions (none: the
    // window's own dialogs).
    CalculatorLinkFactory calculatorLink = {};
    Progress *linkProgress = nullptr;
    LinkQuestions *linkQuestions = nullptr;
    // The chooser of a group file's pictures; none: the window's own dialog.
    GroupQuestions *groupQuestions = nullptr;
    // The chooser of the sprites of C source; none: the window's own dialog.
    SourceQuestions *sourceQuestions = nullptr;
    // File > Export Source...'s options; none: the window's own dialog.
    ExportSourceQuestion *exportSource = nullptr;
    // Where the recovery copies are kept; none: the window keeps no copy and offers none.
    RecoveryStore *recovery = nullptr;
};
