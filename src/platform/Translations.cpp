#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

// Outside every namespace, as Qt's resource initialiser must be called.
static void loadCompiledTranslations() { Q_INIT_RESOURCE(translations); }

namespace {
// The compiled translations travel inside the program; a folder of installed ones beside it
// (share/dotlark/translations) is read first, so a corrected translation needs no rebuild.
QStringList folders()
{
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/dotlark/translations");
    return {QDir::cleanPath(installed), QStringLiteral(":/i18n")};
}

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void removeInstalled()
{
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}

bool load(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed().push_back(std::move(translator));
    return true;
}
} // namespace

namespace Translations {

QStringList languages() { return {QStringLiteral("de"), QStringLiteral("fr")}; }

QString languageFor(const QLocale &locale)
{
    for (const QString &name : locale.uiLanguages()) {
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == QStringLiteral("en") || language == QStringLiteral("c"))
            return {};
        if (languages().contains(language))
            return language;
    }
    return {};
}

QString install(const QLocale &locale)
{
    loadCompiledTranslations();
    removeInstalled();
    const QString language = languageFor(locale);
    if (language.isEmpty())
        return {};
    bool ours = false;
    for (const QString &folder : folders())
        if (!ours && load(QStringLiteral("dotlark_") + language, folder))
            ours = true;
    if (!ours)
        return {};
    // Qt's own words for its dialogs; without them those dialogs stay English.
    load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

} // namespace Translations
