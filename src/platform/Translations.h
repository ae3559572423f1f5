#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program's texts in the user's language. DOTLARK is written in English and translated
// into French and German; Qt's own dialogs (file and print dialogs, standard buttons) follow
// with Qt's translations where the system has them.
namespace Translations {

// The languages DOTLARK is translated into, as locale names: "de", "fr".
QStringList languages();

// The language the texts take for a locale: the first of its user-interface languages that
// is English (written as it stands) or one of ours, so English stays English even when a
// translated language is listed after it. Empty for English, the C locale and the rest.
QString languageFor(const QLocale &locale);

// Installs the translators for the locale's language into the running application (which
// must exist) and returns that language, empty when the texts stay as written. A second
// call replaces the first one's translators.
QString install(const QLocale &locale = QLocale());

} // namespace Translations
