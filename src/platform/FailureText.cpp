#include "platform/FailureText.h"

#include "document/Picture89i.h"

namespace {

QString orElse(const QString &detail, const QString &fallback) { return detail.isEmpty() ? fallback : detail; }

} // namespace

QString describe(const Failure &failure)
{
    const QString &detail = failure.detail;
    switch (failure.what) {
    case Failure::What::Missing:
        return QStringLiteral("The file does not exist.");
    case Failure::What::CannotRead:
        return detail.isEmpty() ? QStringLiteral("The file cannot be read.") : detail + u'.';
    case Failure::What::CannotWrite:
        return orElse(detail, QStringLiteral("Disk write error"));
    case Failure::What::Folder:
        return QStringLiteral("This is a folder, not a file.");
    case Failure::What::Device:
        return QStringLiteral("This is a device or a pipe, not a file.");
    case Failure::What::NotRegular:
        return QStringLiteral("This is not a regular file.");
    case Failure::What::TooLarge:
        return detail.isEmpty() ? QStringLiteral("The file is too large.")
                                : QStringLiteral("The file is larger than %1.").arg(detail);
    case Failure::What::ChangedOnDisk:
        return QStringLiteral("Another program changed it meanwhile; it is left as it is.");
    case Failure::What::NotAPicture:
        return orElse(detail, QStringLiteral("it is no picture this program reads"));
    case Failure::What::DamagedPicture:
        return orElse(detail, QStringLiteral("The file is not a calculator picture (.89i, .9xi, .v2i or .92i)."));
    case Failure::What::PictureTooLarge:
        if (detail.isEmpty())
            return QStringLiteral("The picture is larger than a picture file holds.");
        return QStringLiteral("The picture is %1, more than the %2 a picture file holds.")
            .arg(detail)
            .arg(kPicture89iMaxDataLength - 5);
    case Failure::What::CannotEncode:
        return orElse(detail, QStringLiteral("The picture cannot be written in this format."));
    case Failure::What::NoPage:
        return orElse(detail, QStringLiteral("The page cannot be drawn."));
    }
    return detail;
}

Failure fileTooLarge(const QString &path, qint64 limitBytes)
{
    return {Failure::What::TooLarge, path, QStringLiteral("%1 bytes").arg(limitBytes)};
}
