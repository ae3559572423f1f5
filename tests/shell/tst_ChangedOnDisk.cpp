#include "calc/ByteConversions.h"
#include "fakes/PictureFixtures.h"
#include "fakes/RealFilesWindow.h"
#include "fakes/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// Whether the file holds the picture drawn in the window: the pen's dot at (3, 3).
bool holdsTheDrawing(const QString &path)
{
    const DecodeResult decoded = decode89i(asBytes(readFile(path)));
    return decoded.error == Picture89iError::None && decoded.picture.pixels.at(3, 3) == 1;
}

} // namespace

// Another program's work on the file of the open picture is never overwritten without a
// word: Save asks first when the file changed on disk since it was opened or saved.
class tst_ChangedOnDisk : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

    // Opens a.89i (or the link `through` to it), draws a dot, and hands the window back.
    void openAndDraw(MainWindow &window, const QString &through = {})
    {
        window.Form_Load({});
        const QString opened = through.isEmpty() ? path(QStringLiteral("a.89i")) : through;
        QVERIFY(window.OpenFile(opened, QFileInfo(opened).fileName()));
        drawDot(window);
        QVERIFY(window.document().menus().hasUnsavedDrawing());
    }

private slots:
    void init()
    {
        for (const QString &name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            QVERIFY(QFile::remove(path(name)) || QDir(path(name)).removeRecursively());
        QVERIFY(writeFile(path(QStringLiteral("a.89i")), pictureFile(160, 77, {{7, 7}}, {.name = "mine", .comment = "kept"})));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("victim")));
        QVERIFY(writeFile(path(QStringLiteral("victim/notes.txt")), "notes"));
    }

    // Whatever happened to the file, Save asks; No keeps both the file as the other program
    // left it and the picture unsaved, Yes puts the picture there as a plain file (never
    // through a link that came meanwhile) and the next Save asks nothing.
    void asksBeforeReplacingAChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("replace");
        for (const char *change : {"rewritten", "replaced", "deleted", "linked", "dangling link"}) {
            QTest::addRow("%s, No", change) << QString::fromLatin1(change) << false;
            QTest::addRow("%s, Yes", change) << QString::fromLatin1(change) << true;
        }
    }

    void asksBeforeReplacingAChange()
    {
        QFETCH(QString, change);
        QFETCH(bool, replace);
        RealFilesWindow bench;
        MainWindow &window = bench.window;
        openAndDraw(window);
        const FileMenuState menus = window.document().menus();
        const QString file = path(QStringLiteral("a.89i")), notes = path(QStringLiteral("victim/notes.txt"));
        const QByteArray theirs = pictureFile(160, 77, {{7, 7}}, {.name = "theirs", .comment = "kept"}); // as long as ours
        if (change == u"rewritten") {
            QVERIFY(writeFile(file, theirs)); // as `cp other.89i a.89i` does
        } else if (change == u"replaced") {
            QVERIFY(writeFile(path(QStringLiteral("other.89i")), theirs));
            QVERIFY(std::rename(QFile::encodeName(path("other.89i")).constData(), QFile::encodeName(file).constData()) == 0);
        } else {
            QVERIFY(QFile::remove(file));
        }
        if (change == u"linked")
            QVERIFY(QFile::link(QStringLiteral("victim/notes.txt"), file));
        if (change == u"dangling link")
            QVERIFY(QFile::link(QStringLiteral("victim/made.89i"), file));
        bench.fakes.messages.answers = {replace ? Messages::Answer::Yes : Messages::Answer::No};

        window.miSave_click();
        QCOMPARE(bench.fakes.messages.texts(),
                 QStringList{file + QStringLiteral(" has changed on disk since it was opened. Replace it with this picture?")});
        QCOMPARE(bench.fakes.messages.shown.first().buttons, Messages::Buttons::YesNoSafeNo);
        QCOMPARE(readFile(notes), QByteArray("notes"));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("victim/made.89i"))));
        if (!replace) {
            QCOMPARE(window.document().menus(), menus);
            QVERIFY(!window.action(QStringLiteral("miOpen"))->isEnabled());
            QCOMPARE(QFileInfo(file).isSymLink(), change.contains(u"link"));
            if (change == u"rewritten" || change == u"replaced")
                QCOMPARE(readFile(file), theirs);
            return;
        }
        QVERIFY(!QFileInfo(file).isSymLink());
        QVERIFY(holdsTheDrawing(file));
        QVERIFY(!window.document().menus().hasUnsavedDrawing());
        window.tools().Picture1_MouseDown(1, 5.5f, 5.5f);
        window.miSave_click();
        QCOMPARE(bench.fakes.messages.shown.size(), 1);
        QVERIFY(!window.document().menus().hasUnsavedDrawing());
    }

    // A file nobody else touched saves without a question, again and again, also when it was
    // opened through a link (its file is written, the link stays) or named by Save As.
    void savesAnUnchangedFileWithoutAsking_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("opened") << "opened";
        QTest::newRow("opened through a link") << "link";
        QTest::newRow("saved as") << "saved as";
    }

    void savesAnUnchangedFileWithoutAsking()
    {
        QFETCH(QString, how);
        RealFilesWindow bench;
        MainWindow &window = bench.window;
        const QString link = path(QStringLiteral("link.89i")), file = path(QStringLiteral("a.89i"));
        if (how == u"link")
            QVERIFY(QFile::link(QStringLiteral("a.89i"), link));
        openAndDraw(window, how == u"link" ? link : QString());
        if (how == u"saved as") {
            bench.fakes.dialogs.choose(path(QStringLiteral("b.89i")));
            window.miSaveAs_Click();
        }
        for (int save = 0; save < 2; ++save) {
            window.tools().Picture1_MouseDown(1, 3.5f + save, 3.5f);
            window.miSave_click();
        }
        QCOMPARE(bench.fakes.messages.texts(), QStringList());
        QVERIFY(!window.document().menus().hasUnsavedDrawing());
        QVERIFY(holdsTheDrawing(how == u"saved as" ? path(QStringLiteral("b.89i")) : file));
        QCOMPARE(QFileInfo(link).isSymLink(), how == u"link");
    }
};

QTEST_MAIN(tst_ChangedOnDisk)
#include "tst_ChangedOnDisk.moc"
