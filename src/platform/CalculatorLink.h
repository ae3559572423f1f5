#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Where the calculator is: the cable ("auto" probes the USB cables; "silverlink",
// "directlink", "blacklink", "graylink", "parallel", "tiemu", "null"), libticables' port
// number (1-4; the emulator's link is port 2 from our side), the calculator ("auto" asks it;
// "ti89", "ti89t", "ti92", "ti92+", "v200") and how long the cable waits for each answer.
struct LinkSettings
{
    QString cable = QStringLiteral("auto");
    int port = 1;
    QString calc = QStringLiteral("auto");
    int timeoutSeconds = 2;
};

// One variable a calculator holds.
struct CalculatorVariable
{
    QString folder;
    QString name;
    int type = 0;      // 0x10 a picture
    quint32 size = 0;  // bytes, as the calculator gives it
    int attribute = 0; // 0 none, 1 locked, 2 or 3 archived

    bool operator==(const CalculatorVariable &) const = default;
};

// The calculator's screen: `height` rows of (width + 7) / 8 bytes, leftmost pixel in the
// high bit, 1 = black.
struct CalculatorScreen
{
    int width = 0;
    int height = 0;
    QByteArray rows;
};

// The transfers with a calculator. Each is one whole operation that ends well or gives the
// failure (What::LinkFailed, the words of the link) that kept it from ending well.
class CalculatorLink
{
public:
    virtual ~CalculatorLink() = default;
    // A variable file (.89i ...) as the variable it holds.
    virtual Done send(const QString &variableFile) = 0;
    virtual Outcome<std::vector<CalculatorVariable>> list() = 0;
    // The picture variable folder\name, written as a variable file to outFile.
    virtual Done receive(const QString &folder, const QString &name, const QString &outFile) = 0;
    // The whole LCD (full), or the part a TI-89 shows.
    virtual Outcome<CalculatorScreen> capture(bool full) = 0;
};
