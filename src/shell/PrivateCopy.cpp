#include "shell/PrivateCopy.h"

#include "calc/ByteConversions.h"
#include "calc/PictureFile.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"
#include "session/FileSession.h"

#include <QDir>
#include <QTemporaryDir>

PrivateCopy PrivateCopy::write(FileStore &files, const FileSession &session, const QString &variable, CalcKind kind)
{
    if (session.document().isGrey()) { // a picture file holds one plane: no grey goes lost unsaid
        PrivateCopy copy;
        copy.failure = tr("The picture has four grey levels; a picture file holds one black-and-white picture. "
                          "Send to Calculator sends both planes.");
        return copy;
    }
    return write(files, session.encoded(kind), variable, kind);
}

PrivateCopy PrivateCopy::write(FileStore &files, const EncodeResult &encoded, const QString &variable, CalcKind kind)
{
    auto folder = std::make_shared<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("dotlark-send-XXXXXX")));
    PrivateCopy copy{folder, folder->filePath(variable + u'.' + QString::fromLatin1(infoOf(kind).ending)), {}};
    if (!folder->isValid()) {
        copy.failure = folder->errorString();
        return copy;
    }
    if (encoded.error != Picture89iError::None)
        copy.failure = describe(pictureFailure(copy.path, encoded.error));
    else if (const Done written = files.writeAll(copy.path, asByteArray(encoded.bytes)); !written)
        copy.failure = describe(written.failure());
    return copy;
}
