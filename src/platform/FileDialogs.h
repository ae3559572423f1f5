#pragma once

#include <QString>
#include <optional>

// The standard open and save-as dialogs.
class FileDialogs
{
public:
    struct Request
    {
        QString title;
        // Description and pattern pairs separated by vertical bars, e.g.
        // "Readable Images (89i)|*.89i". Patterns of one entry are separated by ';'.
        QString filter;
        QString defaultExtension; // without the dot; empty for none
        bool mustExist = false;
        bool confirmOverwrite = false;
        QString suggestedPath; // the file the dialog starts on; empty: none
    };
    struct Choice
    {
        QString path;      // full path, native separators
        QString title;     // the file name without folders
        int filterIndex = 1; // which filter entry was selected, from 1
    };

    virtual ~FileDialogs() = default;
    // Both return nothing when the user cancels.
    virtual std::optional<Choice> openFile(const Request &request) = 0;
    virtual std::optional<Choice> saveFile(const Request &request) = 0;
};

// "desc|*.a;*.b|desc2|*.c" -> Qt name filters "desc (*.a *.b)", "desc2 (*.c)"; a
// description that already ends in its patterns in parentheses is taken as it is.
QStringList qtNameFilters(const QString &filter);
