#include "fakes/TableTranslator.h"
#include "fakes/FakeWindow.h"
#include "platform/Translations.h"
#include "shell/AboutWindow.h"
#include "shell/ExitDialog.h"
#include "shell/HelpWindow.h"
#include "shell/NewPictureDialog.h"
#include "shell/TextBox.h"
#include "shell/UserGuideWindow.h"
#include "shell/WrappingButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTranslator>
#include <memory>
#include <optional>

namespace {
// A wordier language, for as long as it lives: every text comes out longer, its access key
// and its %1 kept.
class Wordier : public ScopedTranslator
{
public:
    Wordier()
        : ScopedTranslator([](const QString &, const QString &text) {
              return text.endsWith(u':') ? text.chopped(1) + QStringLiteral(" wordier:") : text + QStringLiteral(" wordier");
          })
    {
    }
};

QLabel *labelShowing(const QWidget &window, const QString &text)
{
    for (QLabel *label : window.findChildren<QLabel *>())
        if (label->text() == text)
            return label;
    return nullptr;
}

// Where a label's text reaches: its width, and as far down as its lines go.
QRect textArea(const QLabel &label)
{
    const int height = label.wordWrap() ? label.heightForWidth(label.width()) : label.sizeHint().height();
    return QRect(label.pos(), QSize(label.width(), std::min(label.height(), height)));
}

// What a fixed window's texts need beyond their controls, one line per text cut off: a
// wrapping label taller than its control, a single-line label wider, a wrapping button's
// caption larger than the button, the lines of a label running over another control (not a
// picture). A last line may lose its descent, as designed ones do.
QStringList cutTexts(const QWidget &window)
{
    QStringList cut;
    for (const QLabel *label : window.findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QString named = label->objectName() + QStringLiteral(": ") + label->text();
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height() + label->fontMetrics().descent()
                              : label->sizeHint().width() <= label->width();
        if (!fits)
            cut << named;
        for (const QWidget *other : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const auto *otherLabel = qobject_cast<const QLabel *>(other);
            if (other == label || other->isHidden() || (otherLabel && !otherLabel->pixmap().isNull()))
                continue; // the pictures may pass behind a text: About's rises behind its licence line
            if (textArea(*label).intersects(otherLabel ? textArea(*otherLabel) : other->geometry()))
                cut << named + QStringLiteral(" runs over ") + other->objectName();
        }
    }
    for (const WrappingButton *button : window.findChildren<WrappingButton *>()) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin) / 2;
        const QRect area = button->rect().adjusted(margin, 0, -margin, 0);
        const QRect needed = button->fontMetrics().boundingRect(
            area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
        if (needed.width() > area.width() || needed.height() > area.height())
            cut << button->objectName() + QStringLiteral(": ") + button->text();
    }
    return cut;
}
} // namespace

class tst_TranslatedWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Translations::install(QLocale::c()); }

    // The captions before the Folder, Pic Var Name and Comment boxes stay where they were
    // designed; a longer translation ends before its box instead of running under it.
    void captionsEndBeforeTheirBoxes_data()
    {
        QTest::addColumn<bool>("wordier");
        QTest::newRow("as written") << false;
        QTest::newRow("wordier") << true;
    }
    void captionsEndBeforeTheirBoxes()
    {
        QFETCH(bool, wordier);
        std::optional<Wordier> language;
        if (wordier)
            language.emplace();
        FakeWindow bench;
        const MainWindow &w = bench.window;
        const struct
        {
            const char *caption;
            QPoint designed;
            const TextBox *box;
        } captions[] = {{"Folder:", {205, 47}, w.folderBox()},
                        {"Pic Var Name:", {379, 47}, w.nameBox()},
                        {"Comment:", {68, 378}, w.commentBox()}};
        for (const auto &caption : captions) {
            const QLabel *label = labelShowing(w, MainWindow::tr(caption.caption));
            QVERIFY2(label, caption.caption);
            QCOMPARE(label->y(), caption.designed.y());
            QVERIFY2(label->geometry().right() < caption.box->x() && label->x() >= 0, caption.caption);
            if (!wordier)
                QCOMPARE(label->pos(), caption.designed);
        }
    }

    // The New dialog's own "4 grey levels", right of the designed controls, widens the dialog
    // for a longer caption; as written the dialog keeps its size.
    void newPictureExtensionWidens_data() { captionsEndBeforeTheirBoxes_data(); }
    void newPictureExtensionWidens()
    {
        QFETCH(bool, wordier);
        std::optional<Wordier> language;
        if (wordier)
            language.emplace();
        FakeMessages messages;
        NewPictureDialog dialog(messages);
        const auto *grey = dialog.findChild<QCheckBox *>(QStringLiteral("chkGrey"));
        QVERIFY(grey->width() >= grey->sizeHint().width());
        QVERIFY(grey->geometry().right() < dialog.width());
        QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("cmdCancel"))->geometry(), QRect(172, 164, 81, 33));
        if (!wordier)
            QCOMPARE(dialog.size(), QSize(312 + 156, 213));
    }

    // Every text of the fixed windows fits its control, in each language they speak.
    void fixedWindowsFitTheirTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << "C";
        QTest::newRow("French") << "fr_FR";
        QTest::newRow("German") << "de_DE";
    }
    void fixedWindowsFitTheirTexts()
    {
        QFETCH(QString, locale);
        Translations::install(QLocale(locale));
        FakeMessages messages;
        FakeDesktop desktop;
        AboutWindow about(desktop);
        about.show(); // shows the version
        std::unique_ptr<QWidget> windows[] = {std::make_unique<ExitDialog>(), std::make_unique<NewPictureDialog>(messages),
                                              std::make_unique<HelpWindow>()};
        QStringList cut = cutTexts(about);
        about.hide();
        FakeWindow bench;
        cut << cutTexts(*bench.window.centralWidget());
        for (const auto &window : windows)
            cut << cutTexts(*window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    // The guide speaks the program's language when it has that language, else English: a
    // locale the program does not speak gets the English guide even when the guide has it.
    void guideFollowsTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<QString>("language");
        const QStringList all{QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("fr")};
        QTest::newRow("C") << "C" << all << "en";
        QTest::newRow("French") << "fr_FR" << all << "fr";
        QTest::newRow("Spanish: not a language of the program") << "es_ES" << all << "en";
        QTest::newRow("German without its guide") << "de_DE" << QStringList{QStringLiteral("en"), QStringLiteral("fr")} << "en";
    }
    void guideFollowsTheProgramsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, available);
        QFETCH(QString, language);
        QCOMPARE(UserGuideWindow::languageFor(QLocale(locale), available), language);
    }
};

QTEST_MAIN(tst_TranslatedWindows)
#include "tst_TranslatedWindows.moc"
