#include "ToolSupport.h"

#include "platform/FileStore.h"
#include "platform/PictureFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

void printTo(FILE *stream, const QString &text) { std::fputs(qUtf8Printable(text + u'\n'), stream); }

} // namespace

int refuse(const QString &path, const QString &reason)
{
    printTo(stderr, QStringLiteral("dotlark-convert: %1: %2").arg(QDir::toNativeSeparators(path), reason));
    return kExitRefused;
}

int usageError(const QString &reason)
{
    printTo(stderr, QStringLiteral("dotlark-convert: %1\nTry 'dotlark-convert --help'.").arg(reason));
    return kExitUsage;
}

void printNote(const QString &text) { printTo(stderr, QStringLiteral("dotlark-convert: note: ") + text); }

void printLine(const QString &text) { printTo(stdout, text); }

QString suffixOf(const QString &path) { return QFileInfo(path).suffix().toLower(); }

std::optional<QByteArray> readFile(FileStore &files, const QString &path)
{
    QByteArray data;
    const FileStore::Result result = files.readAll(path, data);
    if (!result.ok) {
        refuse(path, result.reason);
        return std::nullopt;
    }
    return data;
}

std::optional<CalcPicture> readPicture(FileStore &files, const QString &path)
{
    const std::optional<QByteArray> data = readFile(files, path);
    return data ? decodePicture(path, *data) : std::nullopt;
}

std::optional<CalcPicture> decodePicture(const QString &path, const QByteArray &data)
{
    DecodeResult decoded = decode89i(asBytes(data));
    if (decoded.error != Picture89iError::None) {
        refuse(path, QString::fromStdString(errorText(decoded.error)));
        return std::nullopt;
    }
    if (const QString tooLarge = pictureSizeProblem(decoded.picture.width, decoded.picture.height);
        !tooLarge.isEmpty()) {
        refuse(path, tooLarge);
        return std::nullopt;
    }
    return std::move(decoded.picture);
}

int writeFile(FileStore &files, const QString &path, const QByteArray &data)
{
    const FileStore::Result result = files.writeAll(path, data);
    return result.ok ? kExitOk : refuse(path, QStringLiteral("cannot be written: %1").arg(result.reason));
}
