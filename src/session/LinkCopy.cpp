#include "session/LinkCopy.h"

#include "calc/CalcCharset.h"
#include "platform/FailureText.h"
#include "platform/FileStore.h"

#include <QDir>
#include <QTemporaryDir>

LinkCopy LinkCopy::write(FileStore &files, const StoredPicture &picture, const std::vector<std::string> &names, CalcKind kind)
{
    auto folder = std::make_shared<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("dotlark-send-XXXXXX")));
    LinkCopy copy{folder, {}, {}};
    if (!folder->isValid()) {
        copy.failure = folder->errorString();
        return copy;
    }
    const QString ending = u'.' + QString::fromLatin1(infoOf(kind).ending);
    for (const std::string &name : names)
        copy.paths << folder->filePath(CalcCharset::toUnicode(name) + ending);
    const Outcome<std::vector<QByteArray>> bytes = pictureFilesOf(picture, names, kind, copy.paths.value(0));
    if (!bytes) {
        copy.failure = describe(bytes.failure());
        return copy;
    }
    for (int i = 0; i < copy.paths.size(); ++i)
        if (const Done written = files.writeAll(copy.paths[i], (*bytes)[size_t(i)]); !written) {
            copy.failure = describe(written.failure());
            return copy;
        }
    return copy;
}
