#include "platform/FailureText.h"

#include "document/Picture89i.h"

#include <optional>

namespace {

using What = Failure::What;

QString orElse(const QString &detail, const QString &fallback) { return detail.isEmpty() ? fallback : detail; }

QString sentence(const Failure &failure)
{
    const QString &detail = failure.detail;
    switch (failure.what) {
    case What::Missing: return QStringLiteral("The file does not exist.");
    case What::CannotRead: return detail.isEmpty() ? QStringLiteral("The file cannot be read.") : detail + u'.';
    case What::CannotWrite: return orElse(detail, QStringLiteral("Disk write error"));
    case What::Folder: return QStringLiteral("This is a folder, not a file.");
    case What::Device: return QStringLiteral("This is a device or a pipe, not a file.");
    case What::NotRegular: return QStringLiteral("This is not a regular file.");
    case What::TooLarge:
        return detail.isEmpty() ? QStringLiteral("The file is too large.")
                                : QStringLiteral("The file is larger than %1.").arg(detail);
    case What::Empty: return QStringLiteral("The file is empty.");
    case What::ChangedOnDisk: return QStringLiteral("Another program changed it meanwhile; it is left as it is.");
    case What::NotAPicture: return orElse(detail, QStringLiteral("it is no picture this program reads"));
    case What::DamagedPicture:
        return orElse(detail, QStringLiteral("The file is not a calculator picture (.89i, .9xi, .v2i or .92i)."));
    case What::PictureTooLarge:
        if (detail.isEmpty())
            return QStringLiteral("The picture is larger than a picture file holds.");
        return QStringLiteral("The picture is %1, more than the %2 a picture file holds.")
            .arg(detail)
            .arg(kPicture89iMaxDataLength - 5);
    case What::CannotEncode: return orElse(detail, QStringLiteral("The picture cannot be written in this format."));
    case What::NoPage: return orElse(detail, QStringLiteral("The page cannot be drawn."));
    case What::LinkFailed:
        return detail.isEmpty() ? QStringLiteral("The calculator link failed.") : detail.left(1).toUpper() + detail.mid(1) + u'.';
    }
    return detail;
}

// The phrases of the kinds a picture reader meets; nothing for the kinds that have none.
std::optional<QString> phrase(const Failure &failure)
{
    const QString &detail = failure.detail;
    switch (failure.what) {
    case What::CannotRead: return orElse(detail, QStringLiteral("the file cannot be read"));
    case What::Folder: return QStringLiteral("it is a folder, not a file");
    case What::Device: return QStringLiteral("it is a device or a pipe, not an ordinary file");
    case What::TooLarge:
        return detail.isEmpty() ? QStringLiteral("the file is too large") : QStringLiteral("the file is larger than %1").arg(detail);
    case What::Empty: return QStringLiteral("the file is empty");
    default: return std::nullopt;
    }
}

} // namespace

QString describe(const Failure &failure, Wording wording)
{
    if (wording == Wording::Phrase)
        if (const std::optional<QString> words = phrase(failure))
            return *words;
    return sentence(failure);
}

Failure fileTooLarge(const QString &path, qint64 limitBytes)
{
    return {What::TooLarge, path, QStringLiteral("%1 bytes").arg(limitBytes)};
}
