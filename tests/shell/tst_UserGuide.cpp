#include "fakes/FakeWindow.h"
#include "platform/Translations.h"
#include "shell/UserGuideWindow.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

namespace {
QString read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Each page of the guide in every language it has, as its resource path.
QStringList pages()
{
    QStringList paths;
    for (const QString &language : UserGuideWindow::languages())
        for (const QString &name : QDir(UserGuideWindow::folder(language)).entryList({QStringLiteral("*.html")}))
            paths << UserGuideWindow::folder(language) + u'/' + name;
    return paths;
}

// Every item of a menu and its submenus as the user reads it, without the access key and
// the blanks around it; the recent files, empty until there are some, left out.
QStringList captions(const QMenu *menu)
{
    QStringList found;
    for (const QAction *item : menu->actions()) {
        const QString caption = QString(item->text()).remove(u'&').trimmed();
        if (!caption.isEmpty())
            found << caption;
        if (item->menu())
            found << captions(item->menu());
    }
    return found;
}

// The targets of a page's links and pictures: href="..." and src="...".
QStringList targets(const QString &html)
{
    static const QRegularExpression target(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QStringList found;
    for (auto match = target.globalMatch(html); match.hasNext();)
        found << match.next().captured(1);
    return found;
}
} // namespace

class tst_UserGuide : public QObject
{
    Q_OBJECT

private slots:
    // The guide the window opens follows the system's language; the tests read the English one.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // A command added to the menus without a word in the guide fails here, in each language:
    // each guide is read against the menus as the program shows them in its language.
    void everyMenuItemIsInTheGuide()
    {
        const auto english = qScopeGuard([] { Translations::install(QLocale::c()); });
        QMap<QString, QString> text; // language folder -> what its pages read
        for (const QString &page : pages()) {
            QTextDocument document;
            document.setHtml(read(page));
            text[QFileInfo(page).path()] += document.toPlainText() + u'\n';
        }
        QVERIFY(UserGuideWindow::languages().contains(QStringLiteral("en")));
        for (const QString &language : UserGuideWindow::languages()) {
            const bool isEnglish = language == QStringLiteral("en");
            QCOMPARE(Translations::install(isEnglish ? QLocale::c() : QLocale(language)), isEnglish ? QString() : language);
            FakeWindow bench;
            const QString guide = text.value(UserGuideWindow::folder(language));
            for (const QAction *menu : bench.window.menuBar()->actions())
                for (const QString &item : captions(menu->menu()))
                    QVERIFY2(guide.contains(item), qPrintable(language + QStringLiteral(": ") + item));
        }
    }

    // The guide opens in the user's language when it has one, else in English.
    void opensInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("folder");
        QTest::newRow("French") << "fr_FR" << "fr";
        QTest::newRow("Canadian French") << "fr_CA" << "fr";
        QTest::newRow("English") << "en_GB" << "en";
        QTest::newRow("C") << "C" << "en";
        QTest::newRow("no guide in it") << "es_ES" << "en";
    }
    void opensInTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, folder);
        QLocale::setDefault(QLocale(locale));
        const auto english = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        UserGuideWindow guide;
        QCOMPARE(guide.source().path().section(u'/', -2, -2), folder);
        const auto titles = UserGuideWindow::topics(read(UserGuideWindow::folder(folder) + QStringLiteral("/index.html")));
        QCOMPARE(guide.findChild<QListWidget *>()->item(0)->text(), titles.value(0).second);
    }

    // Every link reaches a page of the guide (and the place on it it names), every picture
    // is a picture of the resources, and the index lists every page.
    void linksAndPicturesResolve()
    {
        for (const QString &page : pages()) {
            const QString html = read(page);
            for (const QString &link : targets(html)) {
                const QString where = page + QStringLiteral(" -> ") + link;
                const QString file = link.section(u'#', 0, 0), anchor = link.section(u'#', 1);
                const QString path = file.isEmpty() ? page : QDir::cleanPath(QFileInfo(page).path() + u'/' + file);
                QVERIFY2(!link.contains(u':') && QFile::exists(path), qPrintable(where));
                QVERIFY2(anchor.isEmpty() || read(path).contains(QStringLiteral("name=\"%1\"").arg(anchor)), qPrintable(where));
                QVERIFY2(!path.endsWith(QStringLiteral(".png")) || !QImage(path).isNull(), qPrintable(where));
            }
            const QString index = read(QFileInfo(page).path() + QStringLiteral("/index.html"));
            QVERIFY2(page.endsWith(QStringLiteral("/index.html")) || index.contains(QStringLiteral("href=\"%1\"").arg(QFileInfo(page).fileName())),
                     qPrintable(page + QStringLiteral(" is not in the index")));
        }
    }

    // Help > User Guide shows the guide beside the picture without holding it up; its index
    // follows the page shown; asked again, the same window comes back.
    void opensBesideThePicture()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        w.show();
        QAction *item = w.action(QStringLiteral("miUserGuide"));
        item->trigger();
        auto *guide = w.findChild<UserGuideWindow *>();
        QVERIFY(guide && guide->isVisible() && !guide->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        auto *browser = guide->findChild<QTextBrowser *>();
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Contents")));

        auto *index = guide->findChild<QListWidget *>();
        QCOMPARE(index->currentItem(), nullptr); // the contents page is no topic of its own
        QListWidgetItem *drawing = index->findItems(QStringLiteral("Drawing"), Qt::MatchExactly).value(0);
        QVERIFY(drawing);
        emit index->itemClicked(drawing);
        QVERIFY(browser->toPlainText().contains(QStringLiteral("WhEllipse")));
        browser->setSource(QUrl(QStringLiteral("grey.html#keys"))); // a link, as clicked
        QCOMPARE(index->currentItem()->text(), QStringLiteral("Grey pictures"));
        browser->backward();
        QCOMPARE(index->currentItem(), drawing);

        guide->close();
        item->trigger();
        QCOMPARE(w.findChildren<UserGuideWindow *>().size(), 1);
        QVERIFY(guide->isVisible());
    }
};

QTEST_MAIN(tst_UserGuide)
#include "tst_UserGuide.moc"
