#include "pagesetup/PagePreview.h"
#include "pagesetup/PageSetupDialog.h"
#include "fakes/TableTranslator.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

// The Page Setup dialog, driven through its controls as a user would.
namespace {

bool near(double a, double b) { return std::abs(a - b) < 1e-6; }

bool sameRect(const QRectF &a, const QRectF &b)
{
    return near(a.left(), b.left()) && near(a.top(), b.top()) && near(a.right(), b.right())
        && near(a.bottom(), b.bottom());
}

// The y of each marker line now showing, smallest first.
QList<double> markerYs(const PagePreview *preview)
{
    QList<double> ys;
    for (const QLineF &line : preview->lines()) {
        if (!near(line.length(), 2) || !near(line.y1(), line.y2()))
            return {-1}; // not a 2-inch level line: fails any comparison
        ys << line.y1();
    }
    std::sort(ys.begin(), ys.end());
    return ys;
}

} // namespace

class tst_PageSetupDialog : public QObject
{
    Q_OBJECT

    PageSetup values;
    QSize pictureSize{160, 77};
    bool printEnabled = false;
    int printed = 0;
    PageSetup valuesWhenPrinted;
    bool visibleWhenPrinted = true;
    std::unique_ptr<PageSetupDialog> dialog;

    PageSetupDialog::Host host()
    {
        return {[this] { return pictureSize; }, [this] { return printEnabled; },
                [this] {
                    ++printed;
                    valuesWhenPrinted = values;
                    visibleWhenPrinted = dialog && dialog->isVisible();
                }};
    }
    template<typename T> T *control(const char *name) { return dialog->findChild<T *>(QLatin1String(name)); }
    QLineEdit *box(const char *name) { return control<QLineEdit>(name); }
    QStringList texts() { return {box("Text1")->text(), box("Text2")->text(), box("Text3")->text()}; }
    QToolButton *arrow(const char *spin, const char *which)
    {
        return control<QWidget>(spin)->findChild<QToolButton *>(QLatin1String(which));
    }
    void open()
    {
        if (!dialog)
            dialog = std::make_unique<PageSetupDialog>(values, host());
        dialog->show();
    }
    void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        values = PageSetup::initial(160);
        pictureSize = {160, 77};
        printEnabled = false;
        printed = 0;
        dialog.reset();
    }

    // Every opening fills the boxes from the stored values and draws their rectangle.
    void activation_data()
    {
        QTest::addColumn<QList<double>>("stored"); // top, left, width
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("canPrint");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QRectF>("rect");
        QTest::newRow("first opening") << QList<double>{1, 1, 4} << QSize(160, 77) << false
                                       << QStringList{"1", "1", "4"} << QRectF(QPointF(1, 1), QPointF(5, 2.925));
        QTest::newRow("square picture") << QList<double>{1, 1, 4} << QSize(10, 10) << false
                                        << QStringList{"1", "1", "4"} << QRectF(QPointF(1, 1), QPointF(5, 5));
        QTest::newRow("stored values, printable") << QList<double>{2, 0.5, 3} << QSize(160, 77) << true
                                                  << QStringList{"2", "0.5", "3"}
                                                  << QRectF(QPointF(0.5, 2), QPointF(3.5, 3.44375));
    }
    void activation()
    {
        QFETCH(QList<double>, stored);
        QFETCH(QSize, picture);
        QFETCH(bool, canPrint);
        QFETCH(QStringList, texts);
        QFETCH(QRectF, rect);
        values.top = stored[0];
        values.left = stored[1];
        values.width = stored[2];
        pictureSize = picture;
        printEnabled = canPrint;
        open();
        QCOMPARE(this->texts(), texts);
        QCOMPARE(dialog->preview()->boxes().size(), 1);
        // The aspect is single precision: 77 / 160 leaves a tail of about 5e-8 inch.
        QVERIFY(sameRect(dialog->preview()->boxes().first(), rect));
        QVERIFY(dialog->preview()->lines().isEmpty());
        QCOMPARE(control<QPushButton>("cmdPrint")->isEnabled(), canPrint);
    }

    void markerLines()
    {
        open();
        auto *info = control<QCheckBox>("ckPrtFileinfo");
        auto *comment = control<QCheckBox>("ckPrtComment");
        const double bottom = 1 + double(77.0f / 160.0f) * 4; // 2.925
        info->click();
        QCOMPARE(markerYs(dialog->preview()).size(), 1);
        QVERIFY(near(markerYs(dialog->preview())[0], bottom + 0.2));
        QCOMPARE(dialog->preview()->lines()[0].x1(), 1.0);
        comment->click();
        QCOMPARE(markerYs(dialog->preview()).size(), 2);
        QVERIFY(near(markerYs(dialog->preview())[1], bottom + 0.4));
        info->click();
        QCOMPARE(markerYs(dialog->preview()).size(), 1);
        QVERIFY(near(markerYs(dialog->preview())[0], bottom + 0.4));
        // A value change redraws the markers under the moved picture.
        type(box("Text1"), "2");
        QVERIFY(near(markerYs(dialog->preview()).value(0), bottom + 1.4));
        QCOMPARE(dialog->preview()->boxes().size(), 1);
    }

    void clamps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("width emptied") << "Text3" << "" << "0.1" << false;
        QTest::newRow("width zero") << "Text3" << "0" << "0.1" << false;
        QTest::newRow("width below a tenth, pasted") << "Text3" << ".05" << "0.1" << true;
        QTest::newRow("top minus five") << "Text1" << "-5" << "0" << false;
        QTest::newRow("left minus five") << "Text2" << "-5" << "0" << false;
        QTest::newRow("lone minus stays") << "Text1" << "-" << "-" << false;
        QTest::newRow("word stays") << "Text2" << "abc" << "abc" << false;
        QTest::newRow("margin zero stays") << "Text2" << "0" << "0" << false;
    }
    void clamps()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, pasted);
        open();
        QLineEdit *edit = box(name.toLatin1().constData());
        if (pasted) {
            edit->selectAll();
            edit->insert(typed);
        } else {
            type(edit, typed);
        }
        QCOMPARE(edit->text(), shown);
        // The preview shows the clamped value, never the rejected one.
        const QRectF rect = dialog->preview()->boxes().value(0);
        QVERIFY(rect.left() >= 0 && rect.top() >= 0 && rect.width() >= 0.1 - 1e-9);
    }

    void spinners_data()
    {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("shown");
        QTest::newRow("top up lowers") << "Spin1" << "up" << "1" << "0.9";
        QTest::newRow("top down raises") << "Spin1" << "down" << "1" << "1.1";
        QTest::newRow("top up at zero") << "Spin1" << "up" << "0" << "0";
        QTest::newRow("left up") << "Spin2" << "up" << "1" << "1.1";
        QTest::newRow("left down at zero") << "Spin2" << "down" << "0" << "0";
        QTest::newRow("width down to the minimum") << "Spin3" << "down" << "0.1" << "0.1";
        QTest::newRow("width up from text") << "Spin3" << "up" << "2.5in" << "2.6";
        QTest::newRow("no upper limit") << "Spin3" << "up" << "99.95" << "100.05";
    }
    void spinners()
    {
        QFETCH(QString, spin);
        QFETCH(QString, which);
        QFETCH(QString, start);
        QFETCH(QString, shown);
        open();
        const QString boxName = QStringLiteral("Text") + spin.back();
        QLineEdit *edit = box(boxName.toLatin1().constData());
        edit->setText(start);
        arrow(spin.toLatin1().constData(), which.toLatin1().constData())->click();
        QCOMPARE(edit->text(), shown);
    }

    void tenLeftMarginUpsHaveNoDigitTails()
    {
        open();
        QStringList seen;
        for (int i = 0; i < 10; ++i) {
            arrow("Spin2", "up")->click();
            seen << box("Text2")->text();
        }
        QCOMPARE(seen, QStringList({"1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9", "2"}));
        QVERIFY(near(dialog->preview()->boxes().value(0).left(), 2));
    }

    void okStoresWhatTheBoxesRead()
    {
        open();
        type(box("Text1"), "-"); // not a number: stored as 0
        type(box("Text2"), "2.5abc");
        type(box("Text3"), "6");
        control<QCheckBox>("ckPrtComment")->click();
        control<QPushButton>("Command1")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(values.top, 0.0);
        QCOMPARE(values.left, 2.5);
        QCOMPARE(values.width, 6.0);
        QVERIFY(!values.fileInfo);
        QVERIFY(values.comment);
        QCOMPARE(printed, 0);
        // Reopened, the boxes show the stored numbers in their written form.
        open();
        QCOMPARE(texts(), QStringList({"0", "2.5", "6"}));
        QVERIFY(control<QCheckBox>("ckPrtComment")->isChecked());
    }

    void cancelDropsEdits()
    {
        values.fileInfo = true;
        open();
        control<QCheckBox>("ckPrtFileinfo")->setChecked(true); // as stored: a fresh box is clear
        control<QPushButton>("Command1")->click();
        const PageSetup stored = values;
        open();
        type(box("Text1"), "3");
        type(box("Text3"), "7");
        control<QCheckBox>("ckPrtFileinfo")->click();
        control<QCheckBox>("ckPrtComment")->click();
        control<QPushButton>("Command2")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(values.top, stored.top);
        QCOMPARE(values.width, stored.width);
        QCOMPARE(values.fileInfo, true);
        QCOMPARE(values.comment, false);
        open();
        QCOMPARE(texts(), QStringList({"1", "1", "4"}));
        QVERIFY(control<QCheckBox>("ckPrtFileinfo")->isChecked());
        QVERIFY(!control<QCheckBox>("ckPrtComment")->isChecked());
        QCOMPARE(markerYs(dialog->preview()).size(), 1);
    }

    void escapeIsCancel()
    {
        open();
        type(box("Text2"), "3");
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(values.left, 1.0);
    }

    void printStoresThenPrints()
    {
        printEnabled = true;
        open();
        type(box("Text3"), "5");
        control<QCheckBox>("ckPrtFileinfo")->click();
        control<QPushButton>("cmdPrint")->click();
        QCOMPARE(printed, 1);
        QVERIFY(!visibleWhenPrinted);
        QCOMPARE(valuesWhenPrinted.width, 5.0);
        QVERIFY(valuesWhenPrinted.fileInfo);
    }

    // Hidden and shown again the same window returns; closed with the frame's close control
    // it is destroyed, nothing is stored, and the next one starts with clear check boxes.
    void lifecycle()
    {
        QPointer<PageSetupDialog> slot;
        PageSetupDialog *first = nullptr;
        const auto clickWhenShown = [&](const char *button, auto &&more) {
            QTimer::singleShot(0, [&, button, more] {
                QCheckBox *info = slot->findChild<QCheckBox *>("ckPrtFileinfo");
                more(info);
                slot->findChild<QPushButton *>(QLatin1String(button))->click();
            });
        };
        clickWhenShown("Command1", [](QCheckBox *info) { info->click(); });
        PageSetupDialog::showModal(slot, values, host(), nullptr);
        first = slot;
        QVERIFY(values.fileInfo);
        clickWhenShown("Command2", [&](QCheckBox *info) { QVERIFY(info->isChecked()); });
        PageSetupDialog::showModal(slot, values, host(), nullptr);
        QCOMPARE(slot.data(), first);

        QTimer::singleShot(0, [&] {
            slot->findChild<QLineEdit *>("Text1")->setText("4");
            slot->close();
        });
        PageSetupDialog::showModal(slot, values, host(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(slot.isNull());
        QCOMPARE(values.top, 1.0);
        QVERIFY(values.fileInfo);

        clickWhenShown("Command2", [&](QCheckBox *info) { QVERIFY(!info->isChecked()); });
        PageSetupDialog::showModal(slot, values, host(), nullptr);
        QVERIFY(slot);
        QVERIFY(values.fileInfo); // the stored option survives until the next OK or Print
        delete slot.data();
    }

    // Every caption shows whole inside the fixed dialog: the designed ones where they were
    // designed, longer translations in widened places that still clear the boxes beside them.
    void captionsFit_data()
    {
        QTest::addColumn<TableTranslator::Table>("table");
        QTest::newRow("English") << TableTranslator::Table{};
        QTest::newRow("French and German") << TableTranslator::Table{ // the longest words of each
            {"PageSetupDialog",
             {{"Top Margin:", "Oberer Rand:"}, {"Left Margin:", "Marge gauche\u00a0:"}, {"Image Width:", "Bildbreite:"},
              {"Inches", "Pouces"}, {"Paper:", "Papier\u00a0:"}, {"Info (filename, folder, var)", "Infos (fichier, dossier, var)"},
              {"Comment", "Commentaire"}, {"Print", "Imprimer"}, {"Cancel", "Abbrechen"}}}};
    }
    void captionsFit()
    {
        QFETCH(TableTranslator::Table, table);
        const TableTranslator translator(table);
        open();
        const QRect inside = dialog->rect();
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height() + 1, qPrintable(label->text()));
            QVERIFY(inside.contains(label->geometry()));
            for (const char *box : {"Text1", "Text2", "Text3", "Spin1", "Spin2", "Spin3"})
                QVERIFY2(!label->geometry().intersects(control<QWidget>(box)->geometry()), qPrintable(label->text()));
        }
        for (const char *name : {"ckPrtFileinfo", "ckPrtComment"}) {
            const QCheckBox *box = control<QCheckBox>(name);
            QVERIFY2(box->sizeHint().width() <= box->width() && inside.contains(box->geometry()), name);
        }
        const int margins = 2 * dialog->style()->pixelMetric(QStyle::PM_ButtonMargin);
        for (const char *name : {"Command1", "cmdPrint", "Command2"}) {
            const QPushButton *push = control<QPushButton>(name);
            QVERIFY2(push->fontMetrics().horizontalAdvance(push->text()) + margins <= push->width(), name);
            QVERIFY(inside.contains(push->geometry()));
        }
        if (table.isEmpty()) { // the designed places, in twips / 15
            QCOMPARE(control<QCheckBox>("ckPrtComment")->geometry(), QRect(40, 144, 81, 17));
            QCOMPARE(control<QPushButton>("Command2")->geometry(), QRect(344, 104, 63, 33));
            for (const QLabel *label : dialog->findChildren<QLabel *>())
                QVERIFY(label->x() == 24 || label->x() == 160 || label->x() == 240);
        }
    }

    // The widget paints the rectangle where the inches say (Letter page over the box).
    void previewPaintsInPageInches()
    {
        open();
        PagePreview *preview = dialog->preview();
        const QImage image = preview->grab().toImage();
        const double sx = (preview->width() - 2) / 8.5, sy = (preview->height() - 2) / 11.0;
        const int leftEdge = 1 + int(1 * sx), middle = 1 + int(2 * sy);
        QCOMPARE(image.pixelColor(leftEdge, middle), QColor(Qt::black));
        QCOMPARE(image.pixelColor(leftEdge + 3, middle), QColor(Qt::white));
        QCOMPARE(image.pixelColor(1 + int(5 * sx), middle), QColor(Qt::black));
    }
};

QTEST_MAIN(tst_PageSetupDialog)
#include "tst_PageSetupDialog.moc"
