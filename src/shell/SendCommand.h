#pragma once

#include "document/CalcKind.h"
#include "shell/Services.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <memory>

class FileSession;
struct ProgramEnd;

// File > Open in TiLP...: the picture goes to the calculator through TiLP, one
// transfer at a time; a failed transfer is reported when TiLP has ended. The window decides
// what goes (the saved file, or a copy of the picture as it shows it) and calls one of the
// sends once ready() said yes.
class SendCommand
{
    Q_DECLARE_TR_FUNCTIONS(SendCommand)

public:
    SendCommand(Services services, FileSession &session) : m_services(services), m_session(session) {}

    // TiLP is installed and not busy with another picture; else the user is told why.
    bool ready();
    // The session's file itself, just saved.
    void sendFile();
    // A copy of the session's picture, named after the picture variable, written to
    // a private folder that lives as long as the transfer: the file is not written behind
    // the user's back.
    void sendCopy(const QString &variable);

private:
    void start(const QString &path, const QString &shownFile, CalcKind kind, std::shared_ptr<void> keep);

    Services m_services;
    FileSession &m_session;
    QString m_tilp; // found by ready()
};
