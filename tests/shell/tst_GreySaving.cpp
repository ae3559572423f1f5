#include "calc/ByteConversions.h"
#include "document/GreyFiles.h"
#include "fakes/FakeWindow.h"
#include "fakes/GreyPictures.h"
#include "fakes/GroupFakes.h"
#include "fakes/RealFilesWindow.h"
#include "fakes/TifilesOracle.h"
#include "shell/EditCommands.h"
#include "shell/TextBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList kSprite = {".-+#", "#+-.", "..##"};

// Makes the window's picture a grey one named main\spr.
void showGrey(MainWindow &window, const QStringList &rows = kSprite)
{
    const GreyPicture grey = greyOf(rows);
    window.document().replace(levelsFromGrey(grey), grey.width, grey.height, 4);
    window.folderBox()->setText(QStringLiteral("main"));
    window.nameBox()->setText(QStringLiteral("spr"));
}

QStringList shownGrey(MainWindow &window)
{
    const PictureDocument &document = window.document();
    return rowsOfGrey(greyFromLevels(document.pixels(), document.width(), document.height()));
}

// The pair named `light`/`dark` of the group, as rows of levels; empty when it is not there.
QStringList pairIn(const GroupFile &group, const char *light, const char *dark)
{
    const int l = findVariable(group, "main", light), d = findVariable(group, "main", dark);
    if (l < 0 || d < 0)
        return {};
    return rowsOfGrey(decodeGreyPair(group, {l, d, "main", {}}).picture);
}

QStringList planeRows(const QByteArray &file)
{
    const DecodeResult decoded = decode89i(asBytes(file));
    QStringList rows;
    for (int y = 0; y < decoded.picture.height; ++y) {
        QString row;
        for (int x = 0; x < decoded.picture.width; ++x)
            row += decoded.picture.pixels.at(x, y) ? u'1' : u'0';
        rows << row;
    }
    return rows;
}

const QStringList kLightRows = {"0101", "1010", "0011"}, kDarkRows = {"0011", "1100", "0011"};

QString lastMessage(const FakeServices &fakes) { return fakes.messages.shown.isEmpty() ? QString() : fakes.messages.shown.last().text; }

// A group holding main\sprl and main\sprd (the sprite's planes) and main\other.
QByteArray pairGroup()
{
    GroupFile group;
    group.comment = "a group";
    putGreyPicture(group, greyOf(kSprite), "main", "spr");
    putVariable(group, *pictureVariable({"main", "other", {}, 5, 5, PixelGrid(5, 5), CalcKind::TI89}));
    return *encodeGroupFile(QStringLiteral("x.89g"), group);
}
} // namespace

// A grey picture's files in the editor: saved as a group of two pictures or as two picture
// files, a pair of a group opened as one grey picture and saved back under its names, never
// written as one black-and-white picture unsaid; Export Picture in four greys; Send of both
// planes.
class tst_GreySaving : public QObject
{
    Q_OBJECT

private slots:
    // Save As offers the plane names below the dialog; the ending (or the filter, for a bare
    // name) decides between a group and two files; what is written reads back as the picture.
    void savesAsAGroupOrTwoFiles_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("names"); // as edited in the dialog; empty: as offered
        QTest::addColumn<QStringList>("written");
        QTest::newRow("group by the filter") << "/g/sprites" << 1 << QStringList() << QStringList{"/g/sprites.89g"};
        QTest::newRow("92 Plus group") << "/g/sprites" << 4 << QStringList() << QStringList{"/g/sprites.9xg"};
        QTest::newRow("names edited") << "/g/s.89g" << 3 << QStringList{"lite", "dark"} << QStringList{"/g/s.89g"};
        // The name typed names the two files; the planes' variables keep their own names.
        QTest::newRow("two files by the filter") << "/g/x" << 3 << QStringList() << QStringList{"/g/xl.89i", "/g/xd.89i"};
        QTest::newRow("two files by the ending") << "/g/x.9xi" << 1 << QStringList() << QStringList{"/g/xl.9xi", "/g/xd.9xi"};
    }
    void savesAsAGroupOrTwoFiles()
    {
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QStringList, names);
        QFETCH(QStringList, written);
        FakeWindow bench;
        showGrey(bench.window);
        bench.fakes.dialogs.choose(chosen, filter);
        bench.fakes.dialogs.choices.back()->names = names;
        bench.window.miSaveAs_Click();

        const FileDialogs::Request &asked = bench.fakes.dialogs.requests.last();
        QCOMPARE(asked.names.size(), 2);
        QCOMPARE(asked.names[0].second + u' ' + asked.names[1].second, QStringLiteral("sprl sprd"));
        QCOMPARE(bench.fakes.files.written, written);
        QVERIFY2(bench.fakes.messages.shown.isEmpty(), qPrintable(lastMessage(bench.fakes)));
        QVERIFY(!bench.window.document().hasUnsavedWork());
        if (written.size() == 2) {
            QCOMPARE(planeRows(bench.fakes.files.files[written[0]]), kLightRows);
            QCOMPARE(planeRows(bench.fakes.files.files[written[1]]), kDarkRows);
        } else {
            const GroupFile group = groupIn(bench.fakes.files.files[written[0]], written[0]);
            const QByteArray light = names.isEmpty() ? "sprl" : names[0].toLatin1(), dark = names.isEmpty() ? "sprd" : names[1].toLatin1();
            QCOMPARE(pairIn(group, light, dark), kSprite);
            QCOMPARE(picturesIn(group).size(), size_t(2));
        }
        // Drawn on and saved: the same files, the same names.
        bench.window.document().setPixel(0, 0, 3);
        bench.fakes.files.written.clear();
        bench.window.miSave_click();
        QCOMPARE(bench.fakes.files.written, written);
        if (written.size() == 2)
            QCOMPARE(planeRows(bench.fakes.files.files[written[0]]).first(), QStringLiteral("1101"));
    }

    // A group of a light/dark pair: Yes opens one grey picture, saved back under the names it
    // was read with (the other variable kept); No goes on to the group's chooser.
    void offersToOpenAPair_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void offersToOpenAPair()
    {
        QFETCH(bool, yes);
        FakeWindow bench;
        const QString path = QStringLiteral("/g/pics.89g");
        bench.fakes.files.files[path] = pairGroup();
        bench.fakes.messages.answers = {yes ? Messages::Answer::Yes : Messages::Answer::No};
        bench.fakes.groupQuestions.answers = {1};
        bench.fakes.dialogs.choose(path);
        bench.window.miOpen_click();

        QCOMPARE(bench.fakes.messages.texts().first(),
                 QStringLiteral("/g/pics.89g holds main\\sprl and main\\sprd, the light and dark planes of a grey picture. "
                                "Open them as one picture of four grey levels?"));
        QCOMPARE(bench.window.document().isGrey(), yes);
        QCOMPARE(bench.fakes.groupQuestions.offered.size(), yes ? 0 : 1);
        if (!yes) {
            QCOMPARE(bench.window.nameBox()->text(), QStringLiteral("sprd"));
            return;
        }
        QCOMPARE(shownGrey(bench.window), kSprite);
        QCOMPARE(bench.window.nameBox()->text(), QStringLiteral("spr"));
        bench.window.document().setPixel(3, 0, 1); // black to light grey
        bench.window.miSave_click();
        const GroupFile saved = groupIn(bench.fakes.files.files[path], path);
        QCOMPARE(pairIn(saved, "sprl", "sprd"), (QStringList{".-+-", "#+-.", "..##"}));
        QVERIFY(findVariable(saved, "main", "other") >= 0);
        QCOMPARE(picturesIn(saved).size(), size_t(3));
    }

    // Renamed in its group, the pair asks before it replaces another variable its new
    // plane names name; No writes nothing.
    void renamedPairAsksFirst()
    {
        FakeWindow bench;
        const QString path = QStringLiteral("/g/pics.89g");
        bench.fakes.files.files[path] = pairGroup();
        bench.fakes.messages.answers = {Messages::Answer::Yes, Messages::Answer::No};
        bench.fakes.dialogs.choose(path);
        bench.window.miOpen_click();
        bench.window.nameBox()->setText(QStringLiteral("othe")); // othel, othed: free
        bench.window.miSave_click();
        QCOMPARE(bench.fakes.messages.shown.size(), 1);
        const GroupFile saved = groupIn(bench.fakes.files.files[path], path);
        QCOMPARE(pairIn(saved, "othel", "othed"), kSprite);
        QVERIFY(findVariable(saved, "main", "sprl") < 0);
        bench.fakes.files.written.clear();
        bench.window.nameBox()->setText(QStringLiteral("oth")); // othl, othd
        GroupFile withOthl = saved;
        putVariable(withOthl, *pictureVariable({"main", "othd", {}, 2, 2, PixelGrid(2, 2), CalcKind::TI89}));
        bench.fakes.files.files[path] = *encodeGroupFile(path, withOthl);
        bench.window.miSave_click();
        QCOMPARE(lastMessage(bench.fakes), QStringLiteral("/g/pics.89g already holds main\\othd. Replace it with this picture?"));
        QCOMPARE(bench.fakes.files.written, QStringList());
    }

    // A grey picture whose file holds one black-and-white picture: Save refuses, the file
    // stays; Save As offers the grey kinds.
    void neverSavesGreyAsOnePicture()
    {
        FakeWindow bench;
        const QString path = QStringLiteral("/p/a.89i");
        bench.fakes.files.files[path] = pictureFile(4, 3, {{0, 0}});
        QVERIFY(bench.window.OpenFile(path, QStringLiteral("a.89i")));
        bench.window.document().setLevels(4);
        bench.window.document().setPixel(1, 1, 1);
        bench.window.miSave_click();
        QCOMPARE(bench.fakes.files.written, QStringList());
        QVERIFY(lastMessage(bench.fakes).contains(QStringLiteral("The picture has four grey levels; a picture file holds one")));
        QCOMPARE(bench.fakes.files.files[path], pictureFile(4, 3, {{0, 0}}));
        bench.window.miSaveAs_Click(); // cancelled
        QCOMPARE(bench.fakes.dialogs.requests.last().filter, kGreySaveFilter);
    }

    // Export Picture of a grey picture: the four greys of the converter's images, PGM in
    // PBM's place.
    void exportsFourGreys_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter");
        QTest::newRow("png") << "/p/a.png" << 1;
        QTest::newRow("pgm by the filter") << "/p/a" << 2;
        QTest::newRow("bmp") << "/p/a.bmp" << 1;
    }
    void exportsFourGreys()
    {
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        FakeWindow bench;
        showGrey(bench.window);
        bench.fakes.editQuestions.exportScale = 2;
        bench.fakes.dialogs.choose(chosen, filter);
        bench.window.edit().exportPicture();
        QCOMPARE(bench.fakes.files.written.size(), 1);
        const QImage image = QImage::fromData(bench.fakes.files.files[bench.fakes.files.written.first()]);
        QCOMPARE(image.size(), QSize(8, 6));
        QList<int> greys;
        for (int x = 0; x < 8; x += 2)
            greys << qGray(image.pixel(x, 0));
        QCOMPARE(greys, (QList<int>{255, 213, 156, 0}));
    }

    // Send to Calculator: both planes, light first, each under its name, after one list;
    // the end names both.
    void sendsBothPlanes()
    {
        FakeWindow bench;
        showGrey(bench.window);
        bench.window.action(QStringLiteral("miSend"))->trigger();
        QCOMPARE(bench.fakes.calculator.calls, (QStringList{"list", "send sprl.89i", "send sprd.89i"}));
        QCOMPARE(bench.fakes.calculator.sentFiles.size(), 2);
        QCOMPARE(planeRows(bench.fakes.calculator.sentFiles[0]), kLightRows);
        QCOMPARE(planeRows(bench.fakes.calculator.sentFiles[1]), kDarkRows);
        QCOMPARE(bench.fakes.messages.texts(), QStringList{"main\\sprl and main\\sprd were sent to the TI-89."});
    }

    // On disk: the group reads as two pictures in libtifiles2; when the dark file cannot be
    // written (a folder in its place), the light one is put back as it was.
    void realFiles()
    {
        QTemporaryDir folder;
        RealFilesWindow bench;
        showGrey(bench.window);
        const QString group = folder.filePath(QStringLiteral("pics.89g"));
        bench.fakes.dialogs.choose(group, 1);
        bench.window.miSaveAs_Click();
        QVERIFY2(bench.fakes.messages.shown.isEmpty(), qPrintable(lastMessage(bench.fakes)));
#ifdef HAVE_TIFILES
        bool ok = false;
        const std::vector<OracleVariable> read = oracleReadGroup(group, ok);
        QVERIFY(ok);
        QCOMPARE(read.size(), size_t(2));
        QCOMPARE(read[0].name + ' ' + read[1].name, QByteArray("sprl sprd"));
        QCOMPARE(read[0].type, 0x10);
        QCOMPARE(read[1].type, 0x10);
#endif
        const QString light = folder.filePath(QStringLiteral("xl.89i"));
        QFile old(light);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("before") == 6);
        old.close();
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("xd.89i")));
        bench.fakes.messages.answers = {Messages::Answer::Yes}; // replace xl.89i
        bench.fakes.dialogs.choose(folder.filePath(QStringLiteral("x.89i")), 3);
        bench.window.miSaveAs_Click();
        QVERIFY(lastMessage(bench.fakes).startsWith(QStringLiteral("Disk write error\r")));
        QVERIFY(lastMessage(bench.fakes).endsWith(QDir::toNativeSeparators(light) + QStringLiteral(" was put back as it was.")));
        QFile back(light);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), QByteArray("before"));
    }
};

QTEST_MAIN(tst_GreySaving)
#include "tst_GreySaving.moc"
