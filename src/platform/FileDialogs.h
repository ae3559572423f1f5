#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

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
        // Names the user may edit below the file list (label and text pairs, say the light
        // and dark planes' variables of a grey picture), each of at most nameLength characters.
        QList<std::pair<QString, QString>> names;
        int nameLength = 8;
    };
    struct Choice
    {
        QString path;      // full path, native separators
        QString title;     // the file name without folders
        int filterIndex = 1; // which filter entry was selected, from 1
        QStringList names;   // the request's names as edited; empty when it had none
    };

    virtual ~FileDialogs() = default;
    // Both return nothing when the user cancels.
    virtual std::optional<Choice> openFile(const Request &request) = 0;
    virtual std::optional<Choice> saveFile(const Request &request) = 0;
};

// "desc|*.a;*.b|desc2|*.c" -> Qt name filters "desc (*.a *.b)", "desc2 (*.c)"; a
// description that already ends in its patterns in parentheses is taken as it is.
QStringList qtNameFilters(const QString &filter);
