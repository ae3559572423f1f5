#include "calc/PictureFile.h"

#include "calc/ByteConversions.h"
#include "platform/FileStore.h"

#include <QCoreApplication>

namespace {

// The calculator format's reasons (document/Picture89i's errorText) in the user's language;
// in English the same words as the format's own.
class PictureFileText
{
    Q_DECLARE_TR_FUNCTIONS(PictureFile)

public:
    static QString reason(Picture89iError error, std::string_view foreignKind)
    {
        switch (error) {
        case Picture89iError::None: return {};
        case Picture89iError::TooShort:
            return tr("The file is too short to be a TI-89 picture: it has no complete 92-byte header.");
        case Picture89iError::ZeroSize: return tr("The picture has a width or height of 0.");
        case Picture89iError::SizeTooLarge: return tr("The picture's width or height is larger than 32767.");
        case Picture89iError::Truncated: return tr("The file ends before the last row of the picture.");
        case Picture89iError::TooLargeToWrite:
            return tr("The picture is too large for a calculator picture file: its rows need more than 65530 bytes.");
        case Picture89iError::NotCalcPicture:
            if (foreignKind.empty())
                return tr("The file is not a calculator picture (.89i, .9xi, .v2i or .92i).");
            return tr("The file is not a calculator picture: it is %1.").arg(kindOf(foreignKind));
        }
        return tr("Unknown error.");
    }

private:
    // The kinds of file the format recognises by their first bytes, as it names them.
    static QString kindOf(std::string_view foreignKind)
    {
        [[maybe_unused]] static const char *const kKinds[] = {
            QT_TRANSLATE_NOOP("PictureFile", "a PNG image"),       QT_TRANSLATE_NOOP("PictureFile", "a JPEG image"),
            QT_TRANSLATE_NOOP("PictureFile", "a GIF image"),       QT_TRANSLATE_NOOP("PictureFile", "a BMP image"),
            QT_TRANSLATE_NOOP("PictureFile", "a Windows metafile"), QT_TRANSLATE_NOOP("PictureFile", "a PDF document"),
        };
        return QCoreApplication::translate("PictureFile", std::string(foreignKind).c_str());
    }
};

} // namespace

Outcome<CalcPicture> readPictureFile(FileStore &files, const QString &path)
{
    const Outcome<QByteArray> read = files.readAll(path);
    if (!read)
        return read.failure();
    return decodePictureFile(path, *read);
}

Outcome<CalcPicture> decodePictureFile(const QString &path, const QByteArray &bytes)
{
    DecodeResult decoded = decode89i(asBytes(bytes));
    if (decoded.error != Picture89iError::None)
        return pictureFailure(path, decoded.error, decoded.foreignKind);
    if (std::optional<Failure> tooLarge = pictureSizeFailure(path, decoded.picture.width, decoded.picture.height))
        return *tooLarge;
    return std::move(decoded.picture);
}

Failure pictureFailure(const QString &path, Picture89iError error, std::string_view foreignKind)
{
    const Failure::What what =
        error == Picture89iError::TooLargeToWrite ? Failure::What::CannotEncode : Failure::What::DamagedPicture;
    return {what, path, PictureFileText::reason(error, foreignKind)};
}

std::optional<Failure> pictureSizeFailure(const QString &path, int width, int height)
{
    if (checkWritableSize(width, height) == Picture89iError::None)
        return std::nullopt;
    const QString measured = PictureFileText::tr("%1 x %2 pixels: %3 bytes of pixel data")
                                 .arg(width).arg(height).arg(qint64(bytesPerRow(width)) * height);
    return Failure{Failure::What::PictureTooLarge, path, measured};
}
