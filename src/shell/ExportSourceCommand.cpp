#include "shell/ExportSourceCommand.h"

#include "calc/DocumentWords.h"
#include "document/GreyPicture.h"
#include "document/PictureDocument.h"
#include "document/PictureOps.h"
#include "document/Selection.h"
#include "platform/FailureText.h"
#include "platform/FileDialogs.h"
#include "platform/FileStore.h"
#include "platform/Messages.h"
#include "session/AppInfo.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The file the user names, given the ending of the filter chosen when it has none: a
// header (.h) or a source file (.c).
std::optional<QString> askSourceFile(FileDialogs &dialogs)
{
    FileDialogs::Request request;
    request.title = QCoreApplication::translate("ExportSourceCommand", "Export Source");
    request.filter = QStringLiteral("%1 (*.h)|*.h|%2 (*.c)|*.c")
                         .arg(QCoreApplication::translate("ExportSourceCommand", "C header"),
                              QCoreApplication::translate("ExportSourceCommand", "C source"));
    request.defaultExtension = QStringLiteral("h");
    request.confirmOverwrite = true;
    const std::optional<FileDialogs::Choice> choice = dialogs.saveFile(request);
    if (!choice)
        return std::nullopt;
    const QString suffix = QFileInfo(choice->path).suffix().toLower();
    if (suffix == u"h" || suffix == u"c")
        return choice->path;
    return choice->path + (choice->filterIndex == 2 ? QStringLiteral(".c") : QStringLiteral(".h"));
}

} // namespace

SourcePicture sourcePicture(const PictureDocument &document, const Selection &selection)
{
    PixelRect area{0, 0, document.width(), document.height()};
    if (selection.active() && !selection.floating())
        area = within(selection.rect(), document.width(), document.height());
    const PixelGrid cells = selection.active() && selection.floating() ? selection.pixels()
                                                                       : PictureOps::cropped(document.pixels(), area);
    SourcePicture picture{{}, cells.width(), cells.height(), selection.active()};
    if (document.isGrey()) {
        GreyPicture grey = greyFromLevels(cells, cells.width(), cells.height());
        picture.planes = {std::move(grey.light), std::move(grey.dark)};
    } else
        picture.planes = {cells};
    return picture;
}

namespace {
// One sprite, or every tile of a sheet; the reason in the user's words when it can't be made.
SpriteResult sourceOf(const SourcePicture &picture, const SpriteRequest &request, QString &reason)
{
    const PixelRect area{0, 0, picture.width, picture.height};
    if (!request.sheet) {
        SpriteResult result = spriteSource(picture.planes, area, request);
        reason = spriteReason(result.error, picture.width, request.width);
        return result;
    }
    SpriteResult result = spriteSheetSource(picture.planes, area, request, *request.sheet);
    reason = sheetReason(result.error, picture.width, picture.height, *request.sheet, request.width);
    return result;
}
} // namespace

void ExportSourceCommand::run(const PictureDocument &document, const Selection &selection, std::string_view name,
                              QSize tiles)
{
    const SourcePicture picture = sourcePicture(document, selection);
    const ExportSourceOffer offer{picture.width, picture.height, document.isGrey(), picture.selection,
                                  QString::fromStdString(cIdentifier(name)), picture.selection ? QSize() : tiles};
    std::optional<SpriteRequest> request = m_desk.question.askExportSource(offer);
    if (!request)
        return;
    QString reason;
    if (const SpriteResult tried = sourceOf(picture, *request, reason); tried.error != SpriteError::None)
        return m_desk.messages.warn(tr("The C source can't be made: %1").arg(reason), AppInfo::title);
    const std::optional<QString> path = askSourceFile(m_desk.dialogs);
    if (!path)
        return;
    request->header = QFileInfo(*path).suffix().toLower() == u"h";
    request->fileName = QFileInfo(*path).fileName().toStdString();
    const SpriteResult source = sourceOf(picture, *request, reason);
    if (const Done written = m_desk.files.writeAll(*path, QByteArray::fromStdString(source.text)); !written)
        m_desk.messages.warn(tr("Can't write the source %1\r%2").arg(QDir::toNativeSeparators(*path), describe(written.failure())),
                             AppInfo::title);
}
