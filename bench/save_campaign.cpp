// Figures, never pass/fail: the editor's Save killed at random moments, again and again. A
// process opens a picture in its place (a group of about 2 MB, or a grey picture as two
// picture files of 64 KB each), then saves it over and over, all white and all black in turn,
// through the file session as the window does, until it is killed (SIGKILL). After each kill
// every file of the place must be whole: the group read with no checksum that disagrees and
// every variable there, each picture file read, and the picture all white or all black.
//
//   save_campaign group|pair [KILLS] [--hard-link]

#include "calc/ByteConversions.h"
#include "document/GreyPicture.h"
#include "platform/Settings.h"
#include "qtplatform/QtFileStore.h"
#include "session/FileSession.h"
#include "session/TiGroup.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <atomic>
#include <csignal>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kWidth = 1024, kHeight = 500; // 64,000 bytes of pixel data a picture

class NoSettings : public Settings
{
public:
    QString value(const QString &, const QString &, const QString &, const QString &fallback) override { return fallback; }
    void setValue(const QString &, const QString &, const QString &, const QString &) override {}
};

// The group's 32 variables a00 .. a31, striped so that no two are alike.
QByteArray bigGroup()
{
    GroupFile group;
    for (int i = 0; i < 32; ++i) {
        PixelGrid grid(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            grid.set((y * 7 + i) % kWidth, y, 1);
        putVariable(group, *pictureVariable({"main", "a" + std::to_string(100 + i).substr(1), {}, kWidth, kHeight, grid}));
    }
    return asByteArray(*writeGroup(group));
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the saving process tells the campaign through memory they share.
struct Progress
{
    std::atomic<int> saving{0};     // 1 from the start of a save until it has returned
    std::atomic<long> completed{0}; // saves that returned
};
Progress *progress = nullptr;

// Opens the place and saves it, all white and all black in turn, until killed.
[[noreturn]] void saveForever(const QString &path, bool pair)
{
    QtFileStore files;
    NoSettings settings;
    FileSession session(files, settings);
    session.startUp();
    bool opened = false;
    if (pair) {
        const auto both = Place::pairedFiles(files, path);
        opened = both && session.open(Place::openFilePair(files, both->first, both->second), false).ok;
    } else if (const Outcome<GroupOnDisk> group = Place::readGroup(files, path)) {
        opened = session.open(Place::openVariable(*group, findVariable(group->group, "main", "a00")), false).ok;
    }
    if (!opened)
        ::_exit(3);
    PictureDocument &document = session.document();
    for (int i = 0;; ++i) {
        document.fillRect({0, 0, kWidth, kHeight}, i % 2 ? 3 : 0);
        document.drawn();
        progress->saving = 1;
        const bool saved = session.save().ok;
        progress->saving = 0;
        if (!saved)
            ::_exit(4);
        ++progress->completed;
    }
}

// Whether one picture file or variable holds a whole picture, all one colour.
bool allOneColour(const DecodeResult &decoded)
{
    if (decoded.error != Picture89iError::None || decoded.picture.width != kWidth)
        return false;
    const int first = decoded.picture.pixels.at(0, 0);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (decoded.picture.pixels.at(x, y) != first)
                return false;
    return true;
}

bool whole(const QString &path, bool pair)
{
    QFile file(path);
    if (pair) {
        for (const char *plane : {"l.89i", "d.89i"}) {
            QFile one(path.left(path.size() - 5) + QString::fromLatin1(plane));
            if (!one.open(QIODevice::ReadOnly) || !allOneColour(decode89i(asBytes(one.readAll()))))
                return false;
        }
        return true;
    }
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const GroupReadResult read = readGroup(asBytes(file.readAll()));
    return read.error == GroupError::None && read.checksumMismatches.empty() && picturesIn(read.group).size() == 32
           && allOneColour(decodeGroupPicture(read.group, findVariable(read.group, "main", "a00")));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool pair = arguments.value(1) == QStringLiteral("pair");
    const int kills = arguments.value(2).toInt() > 0 ? arguments.value(2).toInt() : 300;
    const bool hardLink = arguments.contains(QStringLiteral("--hard-link"));
    QTemporaryDir folder;
    const QString path = folder.filePath(pair ? QStringLiteral("greyl.89i") : QStringLiteral("pics.89g"));
    if (pair) {
        PixelGrid white(kWidth, kHeight);
        for (const char *plane : {"greyl.89i", "greyd.89i"})
            write(folder.filePath(QString::fromLatin1(plane)),
                  asByteArray(encode89i("main", plane[4] == 'l' ? "greyl" : "greyd", {}, kWidth, kHeight, white).bytes));
    } else {
        write(path, bigGroup());
    }
    // Kills from the moment the picture is likely open to a few saves later.
    const qint64 spreadUs = 300000;

    progress = static_cast<Progress *>(::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    new (progress) Progress;
    int partial = 0, killedAlive = 0, midSave = 0;
    long saves = 0;
    const QByteArray other = QFile::encodeName(path + QStringLiteral(".other"));
    for (int i = 0; i < kills; ++i) {
        if (hardLink) { // a save breaks the link: made again before each run
            ::unlink(other.constData());
            ::link(QFile::encodeName(path).constData(), other.constData());
        }
        progress->saving = 0;
        progress->completed = 0;
        const pid_t saver = ::fork();
        if (saver == 0)
            saveForever(path, pair);
        ::usleep(useconds_t(100000 + QRandomGenerator::global()->bounded(spreadUs)));
        ::kill(saver, SIGKILL);
        int status = 0;
        ::waitpid(saver, &status, 0);
        killedAlive += WIFSIGNALED(status) ? 1 : 0;
        midSave += progress->saving.load();
        saves += progress->completed.load();
        if (!whole(path, pair))
            ++partial;
    }
    std::printf("%s%s: %d kills (%d of a running editor, %d in the middle of a save; %ld saves done between them), "
                "%d left a file partial\n",
                pair ? "two picture files" : "group", hardLink ? " with a second hard link" : "", kills, killedAlive, midSave,
                saves, partial);
    return 0;
}
