#pragma once

#include "document/CalcKind.h"
#include "document/Picture89i.h"
#include "platform/CalculatorLink.h"
#include "shell/Services.h"

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <optional>

class FileSession;
class LinkQuestions;

// The editor talks to the calculator through the link its settings name (File > Link
// Settings...): Send to Calculator sends the picture in memory, Receive from Calculator...
// and Capture Calculator Screen... make the calculator's picture, or its screen, the
// picture. Each transfer shows its progress, with Cancel; a failure is a message, and the
// picture stays as it was.
class CalculatorCommands
{
    Q_DECLARE_TR_FUNCTIONS(CalculatorCommands)

public:
    // `pictureReplaced`: the window shows the session's new picture and texts.
    CalculatorCommands(Services services, FileSession &session, LinkQuestions &questions,
                       std::function<void()> pictureReplaced);

    void linkSettings();
    // The session's picture, its texts taken and checked, as the variable they name.
    void send();
    void receive();
    void capture();

private:
    std::unique_ptr<CalculatorLink> openLink(const LinkSettings &settings);
    bool askToReplacePicture(const QString &question);
    bool mayReplace(const QStringList &held, const QString &unsure, const QStringList &sending);
    void failed(const QString &what, const Failure &failure);
    void sendPlanes(const LinkSettings &settings, CalcKind kind, const QString &folder);
    void take(CalcPicture picture);
    std::optional<CalcPicture> fetch(CalculatorLink &link, const CalculatorVariable &variable, const QString &notReceived);
    void receiveOne(CalculatorLink &link, const CalculatorVariable &variable);
    void receiveIntoGroup(CalculatorLink &link, const std::vector<CalculatorVariable> &chosen, CalcKind kind);

    Services m_services;
    FileSession &m_session;
    LinkQuestions &m_questions;
    std::function<void()> m_pictureReplaced;
};
