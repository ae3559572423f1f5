#pragma once

// What the programs testing against the emulated calculator share: the converter run
// through the emulator's link (a timeout retried after dismissing PedroM's error box) and
// pictures to send and compare.

#include "fakes/ConvertRun.h"
#include "fakes/TestFiles.h"
#include "link/EmulatedCalculator.h"

#include "calc/PictureFile.h"
#include "document/Picture89i.h"

#include <random>

// dotlark-convert with the calculator's link options; one transfer (see transfer()).
inline ToolRun convertOn(EmulatedCalculator &calculator, const QStringList &arguments)
{
    ToolRun run;
    calculator.transfer([&] {
        run = runConvert(arguments + calculator.linkOptions());
        return run.exitCode == 0 ? QString() : run.err + QStringLiteral("(exit %1)").arg(run.exitCode);
    });
    return run;
}

// A picture of random pixels (160 x 77 unless said), main\picture, in the file path (its
// ending gives its calculator).
inline void writeRandomPicture(const QString &path, unsigned seed, int width = 160, int height = 77)
{
    std::mt19937 random(seed);
    PixelGrid pixels(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.set(x, y, random() % 3 == 0);
    const CalcKind kind = kindFromEnding(path.toStdString()).value_or(CalcKind::TI89);
    const EncodeResult encoded = encode89i("main", "picture", "", width, height, pixels, kind);
    writeFile(path, QByteArray(reinterpret_cast<const char *>(encoded.bytes.data()), qsizetype(encoded.bytes.size())));
}

inline PixelGrid pixelsOf(const QString &path)
{
    const Outcome<CalcPicture> picture = decodePictureFile(path, readFile(path));
    return picture ? picture->pixels : PixelGrid();
}
