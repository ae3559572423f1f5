#pragma once

#include "document/CalcKind.h"
#include "platform/CalculatorLink.h"

#include <QStringList>

#include <optional>

class Settings;

// The calculator link as the user set it up in the editor (File > Link Settings...), kept in
// the settings store (application "dotlark95", section "link"); the command-line tool takes
// it as its defaults. A stored value that is not one of the choices reads as the default.
class LinkPreferences
{
public:
    static inline const QStringList kCables{"auto", "silverlink", "directlink", "blacklink", "graylink", "parallel", "tiemu", "null"};
    static inline const QStringList kCalcs{"auto", "ti89", "ti89t", "ti92", "ti92+", "v200"};
    static constexpr int kMaxTimeoutSeconds = 600;

    explicit LinkPreferences(Settings &settings) : m_settings(settings) {}

    LinkSettings load() const;
    void save(const LinkSettings &link);
    // Capture Calculator Screen: the whole LCD (true) or the part a TI-89 shows.
    bool captureFull() const;
    void setCaptureFull(bool full);
    // With the calculator on automatic, what to take when it does not say which it is: the one
    // that last answered on the same cable and port, then `pictureCalc` (the picture's).
    LinkSettings withGuesses(LinkSettings link, const QString &pictureCalc) const;
    // Kept after a transfer: the calculator it talked to on that cable and port.
    void rememberCalc(const LinkSettings &link, const std::optional<CalcUsed> &used);

private:
    static QString lastCalcKey(const LinkSettings &link);
    QString value(const QString &key) const;
    void setValue(const QString &key, const QString &value);

    Settings &m_settings;
};

// The link's name of a calculator ("ti89", "ti92+", ...), and back: nothing for "auto" and
// the TI-89 Titanium, which takes TI-89 pictures.
QString linkCalcOf(CalcKind kind);
CalcKind pictureKindOf(const QString &calc);
// "TI-89", "TI-89 Titanium", ... as messages name the calculator; "the calculator" for "auto".
QString calcTitle(const QString &calc);
