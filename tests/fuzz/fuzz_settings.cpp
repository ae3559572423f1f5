// The settings the editor reads at start-up, from any file: the input is the settings file
// of a fresh configuration folder. Starting must not crash or hang; each recent entry shows
// the caption of its path; choosing one that cannot be opened gives a message; and the list
// the editor writes back at exit reads back the same.

#include "FuzzCheck.h"
#include "platform/ShownNames.h"
#include "qtplatform/QtFileStore.h"
#include "qtplatform/QtSettings.h"
#include "QuietQt.h"
#include "session/FileNames.h"
#include "session/FileSession.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QString settingsFile;

// Qt keeps a parsed settings file and parses it again only when its size or time changed:
// every input gets a time of its own.
void writeSettings(const uint8_t *data, size_t size)
{
    static qint64 inputs = 0;
    QFile file(settingsFile);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    FUZZ_CHECK(file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++inputs),
                                QFileDevice::FileModificationTime));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Each input is written and saved back several times, every save synced to the disk: in
    // memory when the system offers a folder there, the target runs ten times as fast.
    const QString memory = QStringLiteral("/dev/shm");
    const QString parent = QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    static QTemporaryDir home(parent + QStringLiteral("/dotlark-fuzz-XXXXXX"));
    FUZZ_CHECK(home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    FUZZ_CHECK(QDir(home.path()).mkpath(RecentList::kSettingsApp));
    settingsFile = home.filePath(RecentList::kSettingsApp + u'/' + RecentList::kSettingsApp + QStringLiteral(".conf"));
    startQuietQt<QGuiApplication>(); // as in the editor
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    writeSettings(data, size);
    QtSettings settings;
    QtFileStore files;
    FileSession session(files, settings);
    session.startUp();
    QStringList paths;
    for (int i = 0; i < RecentList::kCount; ++i) {
        const RecentList::Entry entry = session.recent().at(i);
        paths << entry.path;
        // The menu shows the file's own name, shortened and cleaned; opening uses the path.
        FUZZ_CHECK(entry.caption
                   == (entry.path.isEmpty() ? QString() : shownName(baseName(entry.path), kMenuNameLength)));
        FUZZ_CHECK(entry.caption.size() <= kMenuNameLength);
        const SessionOutcome outcome = session.openRecent(i);
        FUZZ_CHECK(outcome.ok || !outcome.message.isEmpty());
    }
    session.writeRecent();
    FileSession again(files, settings);
    again.startUp();
    for (int i = 0; i < RecentList::kCount; ++i)
        FUZZ_CHECK(again.recent().at(i).path == paths[i]);
    return 0;
}
