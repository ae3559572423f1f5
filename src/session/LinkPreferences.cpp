#include "session/LinkPreferences.h"

#include "platform/Settings.h"

#include <QCoreApplication>
#include <iterator>

namespace {
const QString kSection = QStringLiteral("link");

// A whole number from first to last, else the fallback.
int numberIn(const QString &text, int first, int last, int fallback)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= first && number <= last ? number : fallback;
}
} // namespace

QString LinkPreferences::value(const QString &key) const
{
    return m_settings.value(QStringLiteral("dotlark95"), kSection, key, {});
}

void LinkPreferences::setValue(const QString &key, const QString &value)
{
    m_settings.setValue(QStringLiteral("dotlark95"), kSection, key, value);
}

LinkSettings LinkPreferences::load() const
{
    LinkSettings link;
    if (const QString cable = value(QStringLiteral("cable")).toLower(); kCables.contains(cable))
        link.cable = cable;
    if (const QString calc = value(QStringLiteral("calc")).toLower(); kCalcs.contains(calc))
        link.calc = calc;
    // The emulator's link is port 2 from our side.
    link.port = numberIn(value(QStringLiteral("port")), 1, 4, link.cable == QStringLiteral("tiemu") ? 2 : link.port);
    link.timeoutSeconds = numberIn(value(QStringLiteral("timeout")), 1, kMaxTimeoutSeconds, link.timeoutSeconds);
    return link;
}

void LinkPreferences::save(const LinkSettings &link)
{
    setValue(QStringLiteral("cable"), link.cable);
    setValue(QStringLiteral("port"), QString::number(link.port));
    setValue(QStringLiteral("calc"), link.calc);
    setValue(QStringLiteral("timeout"), QString::number(link.timeoutSeconds));
}

bool LinkPreferences::captureFull() const { return value(QStringLiteral("capture")) == QStringLiteral("full"); }

void LinkPreferences::setCaptureFull(bool full)
{
    setValue(QStringLiteral("capture"), full ? QStringLiteral("full") : QStringLiteral("ti89"));
}

QString LinkPreferences::lastCalcKey(const LinkSettings &link)
{
    return QStringLiteral("last-%1-%2").arg(link.cable).arg(link.port);
}

LinkSettings LinkPreferences::withGuesses(LinkSettings link, const QString &pictureCalc) const
{
    if (link.calc != QStringLiteral("auto"))
        return link;
    for (const QString &guess : {value(lastCalcKey(link)).toLower(), pictureCalc})
        if (kCalcs.contains(guess) && guess != QStringLiteral("auto") && !link.guesses.contains(guess))
            link.guesses << guess;
    return link;
}

void LinkPreferences::rememberCalc(const LinkSettings &link, const std::optional<CalcUsed> &used)
{
    // A guess that answered is no more known than before.
    if (used && used->how != CalcUsed::How::Guessed && kCalcs.contains(used->calc))
        setValue(lastCalcKey(link), used->calc);
}

QString linkCalcOf(CalcKind kind)
{
    switch (kind) {
    case CalcKind::TI89: return QStringLiteral("ti89");
    case CalcKind::TI92: return QStringLiteral("ti92");
    case CalcKind::TI92Plus: return QStringLiteral("ti92+");
    case CalcKind::Voyage200: return QStringLiteral("v200");
    }
    return QStringLiteral("auto");
}

CalcKind pictureKindOf(const QString &calc)
{
    for (const CalcKind kind : {CalcKind::TI92, CalcKind::TI92Plus, CalcKind::Voyage200})
        if (calc == linkCalcOf(kind))
            return kind;
    return CalcKind::TI89;
}

QString calcTitle(const QString &calc)
{
    // Messages name the calculator as the receiver: "%1 was sent to %2."
    static const char *const titles[] = {
        QT_TRANSLATE_NOOP("LinkPreferences", "the calculator"),     QT_TRANSLATE_NOOP("LinkPreferences", "the TI-89"),
        QT_TRANSLATE_NOOP("LinkPreferences", "the TI-89 Titanium"), QT_TRANSLATE_NOOP("LinkPreferences", "the TI-92"),
        QT_TRANSLATE_NOOP("LinkPreferences", "the TI-92 Plus"),     QT_TRANSLATE_NOOP("LinkPreferences", "the Voyage 200")};
    const qsizetype index = LinkPreferences::kCalcs.indexOf(calc);
    return QCoreApplication::translate("LinkPreferences", titles[index < 0 || index >= qsizetype(std::size(titles)) ? 0 : index]);
}
