// File > Send to Calculator...: the picture goes to the calculator through TiLP, one
// transfer at a time; a failed transfer is reported when TiLP has ended.

#include "canvas/CanvasView.h"
#include "document/Picture89i.h"
#include "platform/ByteConversions.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"
#include "platform/PictureFile.h"
#include "platform/Messages.h"
#include "platform/ProgramRunner.h"
#include "platform/ShownNames.h"
#include "platform/Tilp.h"
#include "shell/MainWindow.h"
#include "shell/NameChecks.h"
#include "shell/TextBox.h"

#include <QDir>
#include <QTemporaryDir>

namespace {
QString shownPath(const QString &path) { return shownName(QDir::toNativeSeparators(path), kMessageNameLength); }

QString notSentMessage(const QString &file, const ProgramEnd &end)
{
    const QString how = end.exitStatus < 0 ? QStringLiteral("TiLP ended abnormally.")
                        : end.exitStatus > 0 ? QStringLiteral("TiLP ended with exit status %1.").arg(end.exitStatus)
                                             : QStringLiteral("TiLP reported an error.");
    const QString hint = Tilp::cableHint(end.output);
    const QString tail = outputTail(end.output);
    return QStringLiteral("%1 was not sent to the calculator.\r%2").arg(shownPath(file), how)
           + (hint.isEmpty() ? QString() : u'\r' + hint) + (tail.isEmpty() ? QString() : QStringLiteral("\r\r") + tail);
}
} // namespace

// What TiLP is given: the saved file itself, or a copy of the picture as the window shows it
// in a private folder that lives as long as the transfer.
struct MainWindow::Sending
{
    QString path;      // handed to TiLP
    QString shownFile; // named in messages: the user's file
    CalcKind kind = CalcKind::TI89;
    std::shared_ptr<QTemporaryDir> folder;
};

void MainWindow::miSend_Click()
{
    const QString tilp = m_services.programs.find(Tilp::program);
    if (tilp.isEmpty()) {
        m_services.messages.warn(QStringLiteral("TiLP, the program that sends files to the calculator, is not installed."
                                                "\rInstall it with:  sudo apt install tilp2"), kTitle);
        return;
    }
    if (m_services.programs.isRunning(tilp)) {
        m_services.messages.warn(QStringLiteral("TiLP is already running, sending a picture to the calculator."
                                                "\rWait until it has finished, then send again."), kTitle);
        return;
    }
    if (const std::optional<Sending> sending = fileForSending())
        startSending(tilp, *sending);
}

// A picture without a file is saved first, through Save As. A picture with one is sent as a
// copy: its file is not written behind the user's back, and what goes is what the window
// shows, texts included.
std::optional<MainWindow::Sending> MainWindow::fileForSending()
{
    if (m_session.currentFile().isEmpty()) {
        Toolbar1_ButtonClick(QStringLiteral("Save"));
        if (m_session.currentFile().isEmpty() || document().menus.hasUnsavedDrawing())
            return std::nullopt;
        return Sending{m_session.currentFile(), m_session.currentFile(), m_session.kind(), nullptr};
    }
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return std::nullopt;
    return sendingCopy();
}

std::optional<MainWindow::Sending> MainWindow::sendingCopy()
{
    const CalcKind kind = m_session.kind();
    auto folder = std::make_shared<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("dotlark-send-XXXXXX")));
    takeTexts();
    const EncodeResult encoded = m_session.encoded(kind, Picture1->scaleWidth(), Picture1->scaleHeight());
    QString failure = folder->isValid() ? QString() : folder->errorString();
    const QString copy = folder->filePath(Text2->text() + u'.' + QString::fromLatin1(infoOf(kind).ending));
    if (failure.isEmpty() && encoded.error != Picture89iError::None)
        failure = describe(pictureFailure(copy, encoded.error));
    if (failure.isEmpty())
        if (const Done written = m_services.files.writeAll(copy, asByteArray(encoded.bytes)); !written)
            failure = describe(written.failure());
    if (!failure.isEmpty()) {
        m_services.messages.warn(QStringLiteral("%1 was not sent to the calculator: its copy for TiLP cannot be written."
                                                "\r%2").arg(shownPath(m_session.currentFile()), failure), kTitle);
        return std::nullopt;
    }
    return Sending{copy, m_session.currentFile(), kind, std::move(folder)};
}

void MainWindow::startSending(const QString &tilp, const Sending &sending)
{
    const auto ended = [this, sending](const ProgramEnd &end) {
        if (end.exitStatus != 0 || Tilp::reportedError(end.output))
            m_services.messages.warn(notSentMessage(sending.shownFile, end), kTitle);
    };
    if (!m_services.programs.start(tilp, Tilp::windowArguments(sending.kind, sending.path), ended))
        m_services.messages.warn(QStringLiteral("Can't start ") + tilp, kTitle);
}
