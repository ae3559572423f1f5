#pragma once

#include "platform/FileDialogs.h"
#include "shell/Services.h"

#include <QCoreApplication>
#include <QSize>
#include <functional>
#include <memory>

struct Failure;
class DialogQuestions;
class DrawingTools;
class FileSession;
class QImage;
class QLabel;
class QWidget;
struct ScaledImportAnswer;
class ScaleSource;

// File > Import and File > Import Scaled...: ask for a picture, read it, ask about it, and
// plot it onto the session's picture with the tools' pen as one step of the history. The
// picture then has no file and counts as drawn on; the Pen is the tool.
class ImportCommands
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommands)

public:
    // `preview` shows the picture over the window's corner while File > Import asks;
    // `dialogParent` carries the Import Scaled dialog when the services bring none.
    ImportCommands(Services services, FileSession &session, DrawingTools &tools, QLabel &preview,
                   QWidget &dialogParent);
    ~ImportCommands();

    // Called once a picture is placed: the File menu shows the document's new state.
    std::function<void()> imported;

    // File > Import: the picture's top-left 160 x 77, read no larger than `shown`.
    void importPicture(QSize shown);
    // File > Import Scaled...: scaled onto `target`, the size of the picture shown.
    void importScaled(QSize target);
    // The same for a picture already at hand (the clipboard's), named `name` in the dialog.
    void importScaledImage(const QImage &image, const QString &name, QSize target);

    // Both ask for the file alike.
    static FileDialogs::Request request();

private:
    static QString caption(); // of the import's messages
    void refuseImport(const Failure &failure);
    bool importCutShort(const QString &path);
    bool askToImport(const QString &path, const QImage &picture);
    ScaledImportQuestion &scaledImportQuestion();
    void plotScaled(const ScaledImportAnswer &answer);
    void askAndPlot(const ScaleSource &source, const QString &name);

    Services m_services;
    FileSession &m_session;
    DrawingTools &m_tools;
    QLabel &m_preview;
    QWidget &m_dialogParent;
    std::unique_ptr<DialogQuestions> m_ownQuestions;
};
