#pragma once

#include <QLocale>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QToolButton;

// Help > User Guide: the guide's pages (HTML in the resources under :/guide/<language>/) in a
// browser beside an index of its topics, with Back and Forward. Not modal: the user draws
// with the guide open beside the picture. Made once; closing only hides it.
//
// The index is the list of links of the language's index.html, so a translated copy brings
// its own topics and titles; the pictures are shared by every language (:/guide/images/).
class UserGuideWindow : public QWidget
{
    Q_OBJECT
public:
    explicit UserGuideWindow(const QLocale &locale = QLocale(), QWidget *parent = nullptr);

    // The guide's languages as folders of the resources ("en", ...).
    static QStringList languages();
    // The language the program's texts take for the locale ("de-AT" takes "de") when the
    // guide is available in it, else "en": the guide speaks as the menus do.
    static QString languageFor(const QLocale &locale, const QStringList &available);
    // The folder of the guide in `language`, as a resource path: ":/guide/en".
    static QString folder(const QString &language);
    // The topics of a guide's index page: each link's target and its text, in order.
    static QList<std::pair<QString, QString>> topics(const QString &indexHtml);

    QUrl source() const;
    void showTopic(const QString &page);

private:
    void showIndexRow(const QUrl &source);

    QString m_folder;
    QListWidget *m_index = nullptr;
    QTextBrowser *m_browser = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
};
