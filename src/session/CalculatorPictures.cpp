#include "session/CalculatorPictures.h"

#include "calc/PictureFile.h"
#include "platform/FileStore.h"
#include "session/FileSession.h"

#include <QCoreApplication>
#include <span>

CalcPicture screenPicture(const CalculatorScreen &screen)
{
    CalcPicture picture{"main", "screen", kNewPictureComment, screen.width, screen.height, PixelGrid(screen.width, screen.height)};
    const int rowBytes = (screen.width + 7) / 8;
    if (screen.rows.size() < qsizetype(rowBytes) * screen.height)
        return picture; // the helper's reply is checked; a short one stays blank
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x)
            picture.pixels.set(x, y, (uchar(screen.rows[y * rowBytes + x / 8]) >> (7 - x % 8)) & 1);
    return picture;
}

Outcome<CalcPicture> receivedPicture(const QString &path, const QByteArray &bytes)
{
    const Picture89iCheck check = inspect89i(std::span(reinterpret_cast<const uint8_t *>(bytes.constData()), bytes.size()));
    Outcome<CalcPicture> picture = decodePictureFile(path, bytes);
    if (!picture && picture.failure().what == Failure::What::PictureTooLarge)
        return picture;
    if (!picture || !check.dataLength || !check.tagByte)
        return Failure{Failure::What::NotAPicture, path, QCoreApplication::translate("CalculatorPictures", "it is not a picture variable")};
    // The file's comment is the link library's ("Single file dated ..."), not the user's.
    picture->comment = kNewPictureComment;
    return picture;
}

Outcome<CalcPicture> readReceivedPicture(FileStore &files, const QString &copy, const QString &variable)
{
    Outcome<QByteArray> bytes = files.readAll(copy);
    if (!bytes) {
        Failure failure = bytes.failure();
        failure.path = variable;
        return failure;
    }
    return receivedPicture(variable, *bytes);
}
