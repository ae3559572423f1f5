#include "ToolSupport.h"

#include "calc/PictureFile.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"
#include "platform/Messages.h"
#include "platform/ShownNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace {

void printTo(FILE *stream, const QString &text) { std::fputs(qUtf8Printable(text + u'\n'), stream); }

} // namespace

int refuse(const QString &path, const QString &reason)
{
    const QString shown = shownName(QDir::toNativeSeparators(path), kMessageNameLength);
    printTo(stderr, QStringLiteral("dotlark-convert: %1: %2").arg(shown, reason));
    return kExitRefused;
}

int refuse(const Failure &failure) { return refuse(failure.path, describe(failure)); }

int usageError(const QString &reason)
{
    printTo(stderr, Convert::tr("dotlark-convert: %1\nTry 'dotlark-convert --help'.").arg(reason));
    return kExitUsage;
}

void printNote(const QString &text) { printTo(stderr, Convert::tr("dotlark-convert: note: %1").arg(text)); }

void printLine(const QString &text) { printTo(stdout, text); }

QString suffixOf(const QString &path) { return QFileInfo(path).suffix().toLower(); }

bool isMissing(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

QString escapedControls(const QString &text)
{
    static const QHash<char16_t, QString> named{{u'\a', "\\a"}, {u'\b', "\\b"}, {u'\t', "\\t"}, {u'\n', "\\n"},
                                                {u'\v', "\\v"}, {u'\f', "\\f"}, {u'\r', "\\r"}, {u'\\', "\\\\"}};
    QString escaped;
    for (const QChar c : text) {
        if (const auto known = named.constFind(c.unicode()); known != named.constEnd())
            escaped += *known;
        else if (c.category() == QChar::Other_Control)
            escaped += QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16);
        else
            escaped += c;
    }
    return escaped;
}

std::optional<QByteArray> readFile(FileStore &files, const QString &path)
{
    Outcome<QByteArray> read = files.readAll(path);
    if (!read) {
        refuse(read.failure());
        return std::nullopt;
    }
    return std::move(*read);
}

std::optional<CalcPicture> readPicture(FileStore &files, const QString &path)
{
    const std::optional<QByteArray> data = readFile(files, path);
    return data ? decodePicture(path, *data) : std::nullopt;
}

std::optional<CalcPicture> decodePicture(const QString &path, const QByteArray &data)
{
    Outcome<CalcPicture> decoded = decodePictureFile(path, data);
    if (!decoded) {
        refuse(decoded.failure());
        return std::nullopt;
    }
    return std::move(*decoded);
}

Done OutputFiles::writeAll(const QString &path, const QByteArray &bytes)
{
    const auto atStart = m_context.outputsAtStart.constFind(path);
    return atStart == m_context.outputsAtStart.cend() ? m_context.files.writeAll(path, bytes)
                                                      : m_context.files.writeGuarded(path, bytes, {*atStart, true});
}

int writeOutput(Context &context, const QString &path, const QByteArray &data)
{
    const Done written = OutputFiles(context).writeAll(path, data);
    return written ? kExitOk : refuse(path, Convert::tr("cannot be written: %1").arg(describe(written.failure())));
}

int writePlace(Context &context, const Place &place, const StoredPicture &picture, bool freshGroup)
{
    std::vector<FileIdentity> atStart;
    for (const QString &file : place.files()) {
        if (!context.outputsAtStart.contains(file))
            context.outputsAtStart.insert(file, context.files.identify(file));
        atStart.push_back(context.outputsAtStart.value(file));
    }
    Place::Overwrite overwrite;
    overwrite.freshGroup = freshGroup;
    const Outcome<Place::Written> written = place.renewed(atStart)->write(context.files, picture, overwrite);
    if (!written)
        return refuse(written.failure().path,
                      Convert::tr("cannot be written: %1").arg(screenLines(describe(written.failure())).replace(u'\n', u' ')));
    for (const QString &note : written->notes)
        printNote(note);
    return kExitOk;
}
