#include "shell/SendCommand.h"

#include "calc/CalcCharset.h"
#include "calc/Tilp.h"
#include "platform/Messages.h"
#include "platform/ProgramRunner.h"
#include "platform/ShownNames.h"
#include "session/AppInfo.h"
#include "session/FileSession.h"
#include "session/LinkCopy.h"

#include <QDir>

namespace {
QString shownPath(const QString &path) { return shownName(QDir::toNativeSeparators(path), kMessageNameLength); }

QString notSentMessage(const QString &file, const ProgramEnd &end)
{
    const QString how = end.exitStatus < 0 ? SendCommand::tr("TiLP ended abnormally.")
                        : end.exitStatus > 0 ? SendCommand::tr("TiLP ended with exit status %1.").arg(end.exitStatus)
                                             : SendCommand::tr("TiLP reported an error.");
    const QString hint = Tilp::cableHint(end.output);
    const QString tail = outputTail(end.output);
    return SendCommand::tr("%1 was not sent to the calculator.\r%2").arg(shownPath(file), how)
           + (hint.isEmpty() ? QString() : u'\r' + hint) + (tail.isEmpty() ? QString() : QStringLiteral("\r\r") + tail);
}
} // namespace

bool SendCommand::ready()
{
    m_tilp = m_services.programs.find(Tilp::program);
    if (m_tilp.isEmpty()) {
        m_services.messages.warn(tr("TiLP, the program that sends files to the calculator, is not installed."
                                    "\rInstall it with:  sudo apt install tilp2"), AppInfo::title);
        return false;
    }
    if (m_services.programs.isRunning(m_tilp)) {
        m_services.messages.warn(tr("TiLP is already running, sending a picture to the calculator."
                                    "\rWait until it has finished, then send again."), AppInfo::title);
        return false;
    }
    return true;
}

void SendCommand::sendFile() { start(m_session.currentFile(), m_session.currentFile(), m_session.kind(), nullptr); }

void SendCommand::sendCopy(const QString &variable)
{
    const CalcKind kind = m_session.kind();
    LinkCopy copy;
    if (m_session.document().isGrey()) // a picture file holds one plane: no grey goes lost unsaid
        copy.failure = QCoreApplication::translate("PrivateCopy", "The picture has four grey levels; a picture file holds one "
                                                                  "black-and-white picture. Send to Calculator sends both planes.");
    else
        copy = LinkCopy::write(m_services.files, m_session.stored(), {CalcCharset::fromUnicode(variable)}, kind);
    if (!copy.failure.isEmpty()) {
        m_services.messages.warn(tr("%1 was not sent to the calculator: its copy for TiLP cannot be written."
                                    "\r%2").arg(shownPath(m_session.currentFile()), copy.failure), AppInfo::title);
        return;
    }
    start(copy.paths.front(), m_session.currentFile(), kind, std::move(copy.folder));
}

// `keep` holds the copy's folder until TiLP has ended.
void SendCommand::start(const QString &path, const QString &shownFile, CalcKind kind, std::shared_ptr<void> keep)
{
    const auto ended = [this, shownFile, keep](const ProgramEnd &end) {
        if (end.exitStatus != 0 || Tilp::reportedError(end.output))
            m_services.messages.warn(notSentMessage(shownFile, end), AppInfo::title);
    };
    if (!m_services.programs.start(m_tilp, Tilp::windowArguments(kind, path), ended))
        m_services.messages.warn(tr("Can't start %1").arg(m_tilp), AppInfo::title);
}
