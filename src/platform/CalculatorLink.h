#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
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
    // With calc "auto": the calculators to take, in order, when it does not say which it is.
    QStringList guesses;
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

// The calculator a transfer talked to ("ti89", "ti92+", ..., as LinkSettings::calc names
// them), and how that was known: given by the settings, said by the calculator, or guessed
// (the calculator did not say; the first of the guesses that answered).
struct CalcUsed
{
    enum class How { Given, Asked, Guessed };
    QString calc;
    How how = How::Given;
};

// What a send of several variable files in one session did.
struct SendReport
{
    QStringList sent;              // folder\name of each variable that went, in order
    bool declined = false;         // the question was answered no: nothing was sent
    std::optional<Failure> failure; // what stopped it, after the ones sent
};

// Asked before anything is sent when the calculator holds some of the variables (`held`,
// folder\name each), or when its list cannot be trusted (`unsure` says why; `held` is then
// empty): true sends them all.
using ReplaceQuestion = std::function<bool(const QStringList &held, const QString &unsure)>;

// The transfers with a calculator. Each is one whole operation that ends well or gives the
// failure (What::LinkFailed, the words of the link) that kept it from ending well.
class CalculatorLink
{
public:
    virtual ~CalculatorLink() = default;
    // A variable file (.89i ...) as the variable it holds.
    virtual Done send(const QString &variableFile) = 0;
    // The files in order, in one session with the calculator; with a question, its list is
    // read first and the question asked as ReplaceQuestion says.
    virtual SendReport sendAll(const QStringList &variableFiles, const ReplaceQuestion &ask) = 0;
    virtual Outcome<std::vector<CalculatorVariable>> list() = 0;
    // The picture variable folder\name, written as a variable file to outFile.
    virtual Done receive(const QString &folder, const QString &name, const QString &outFile) = 0;
    // The whole LCD (full), or the part a TI-89 shows.
    virtual Outcome<CalculatorScreen> capture(bool full) = 0;
    // The calculator the last transfer talked to; empty when it reached none.
    virtual std::optional<CalcUsed> calcUsed() const { return std::nullopt; }
};
