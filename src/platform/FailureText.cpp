#include "platform/FailureText.h"

#include "document/Picture89i.h"

#include <QCoreApplication>

#include <optional>

namespace {

// The context of the failures' words in the translations.
class FailureText
{
    Q_DECLARE_TR_FUNCTIONS(FailureText)
};

using What = Failure::What;

QString orElse(const QString &detail, const QString &fallback) { return detail.isEmpty() ? fallback : detail; }

QString sentence(const Failure &failure)
{
    const QString &detail = failure.detail;
    switch (failure.what) {
    case What::Missing: return FailureText::tr("The file does not exist.");
    case What::CannotRead: return detail.isEmpty() ? FailureText::tr("The file cannot be read.") : detail + u'.';
    case What::CannotWrite: return orElse(detail, FailureText::tr("Disk write error"));
    case What::Folder: return FailureText::tr("This is a folder, not a file.");
    case What::Device: return FailureText::tr("This is a device or a pipe, not a file.");
    case What::NotRegular: return FailureText::tr("This is not a regular file.");
    case What::TooLarge:
        return detail.isEmpty() ? FailureText::tr("The file is too large.")
                                : FailureText::tr("The file is larger than %1.").arg(detail);
    case What::Empty: return FailureText::tr("The file is empty.");
    case What::ChangedOnDisk: return FailureText::tr("Another program changed it meanwhile; it is left as it is.");
    case What::NotAPicture: return orElse(detail, FailureText::tr("it is no picture this program reads"));
    case What::DamagedPicture:
        return orElse(detail, FailureText::tr("The file is not a calculator picture (.89i, .9xi, .v2i or .92i)."));
    case What::PictureTooLarge:
        if (detail.isEmpty())
            return FailureText::tr("The picture is larger than a picture file holds.");
        return FailureText::tr("The picture is %1, more than the %2 a picture file holds.")
            .arg(detail)
            .arg(kPicture89iMaxDataLength - 5);
    case What::CannotEncode: return orElse(detail, FailureText::tr("The picture cannot be written in this format."));
    case What::NoPage: return orElse(detail, FailureText::tr("The page cannot be drawn."));
    case What::LinkFailed:
        return detail.isEmpty() ? FailureText::tr("The calculator link failed.") : detail.left(1).toUpper() + detail.mid(1) + u'.';
    }
    return detail;
}

// The phrases of the kinds a picture reader meets; nothing for the kinds that have none.
std::optional<QString> phrase(const Failure &failure)
{
    const QString &detail = failure.detail;
    switch (failure.what) {
    case What::CannotRead: return orElse(detail, FailureText::tr("the file cannot be read"));
    case What::Folder: return FailureText::tr("it is a folder, not a file");
    case What::Device: return FailureText::tr("it is a device or a pipe, not an ordinary file");
    case What::TooLarge:
        return detail.isEmpty() ? FailureText::tr("the file is too large") : FailureText::tr("the file is larger than %1").arg(detail);
    case What::Empty: return FailureText::tr("the file is empty");
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
    return {What::TooLarge, path, FailureText::tr("%1 bytes").arg(limitBytes)};
}
