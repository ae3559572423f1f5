#pragma once

#include "shell/Services.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <functional>

class FileSession;
class SourceQuestions;
struct SessionOutcome;

// C source in the editor: a sprite opened from a header or a source file (the chooser when
// it holds more than one array), which Save then writes back into its arrays. The window
// shows what the session says through `apply`, and the tile grid of a sheet opened through
// `sheetOpened`.
class SourceCommands
{
    Q_DECLARE_TR_FUNCTIONS(SourceCommands)

public:
    SourceCommands(Services services, FileSession &session, SourceQuestions &questions,
                   std::function<void(const SessionOutcome &)> apply, std::function<void(QSize)> sheetOpened);

    void open(const QString &path, bool addToRecent);

private:
    Services m_services;
    FileSession &m_session;
    SourceQuestions &m_questions;
    std::function<void(const SessionOutcome &)> m_apply;
    std::function<void(QSize)> m_sheetOpened;
};
