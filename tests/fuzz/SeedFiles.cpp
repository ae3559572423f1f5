#include "SeedFiles.h"

#include "document/Picture89i.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {
bool failed = false;
} // namespace

void fail(const QString &what)
{
    std::fprintf(stderr, "fuzz_seeds: %s\n", qPrintable(what));
    failed = true;
}

bool anySeedFailed() { return failed; }

void save(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(file.fileName()));
}

QByteArray calcFile(int width, int height, CalcKind kind, const std::string &name, int pattern)
{
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.set(x, y, (x * pattern + y) % 3 == 0);
    const EncodeResult encoded = encode89i("main", name, "seed picture", width, height, grid, kind);
    return QByteArray(reinterpret_cast<const char *>(encoded.bytes.data()), qsizetype(encoded.bytes.size()));
}
