#include "document/GreyFiles.h"
#include "document/PictureOps.h"
#include "document/Selection.h"
#include "fakes/ConvertRun.h"
#include "fakes/FakeWindow.h"
#include "fakes/FullDisk.h"
#include "fakes/GreyPictures.h"
#include "fakes/TestFiles.h"
#include "qtplatform/QtFileStore.h"
#include "shell/ExportSourceCommand.h"
#include "shell/ExportSourceDialog.h"
#include "shell/TextBox.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SpriteWidth)

namespace {
// Scripted answers to the options; nothing = cancelled.
class FakeExportSourceQuestion : public ExportSourceQuestion
{
public:
    std::optional<SpriteRequest> answer;
    QList<ExportSourceOffer> offers;
    std::optional<SpriteRequest> askExportSource(const ExportSourceOffer &offer) override
    {
        offers << offer;
        return answer;
    }
};

// 12 x 3, every level, black at both edges.
const QStringList kShip{"#-+..##..+-#", ".-++-..-++-.", "##..-++-..##"};

SpriteRequest requestOf(SpriteWidth width, int mask, bool interlaced, const std::string &name = "ship")
{
    SpriteRequest request;
    request.width = width;
    request.mask = mask >= 0;
    request.transparent = static_cast<GreyLevel>(std::max(mask, 0));
    request.interlaced = interlaced;
    request.name = name;
    return request;
}

// The options as the converter takes them.
QStringList converterOptions(const SpriteRequest &request)
{
    static const char *const widths[] = {"8", "16", "32", "x8"};
    static const char *const levels[] = {"white", "light", "dark", "black"};
    QStringList options{"--sprite", widths[int(request.width)]};
    if (request.mask)
        options << "--mask" << "--transparent" << levels[int(request.transparent)] << "--mask-bits"
                << (request.maskSense == MaskSense::And ? "and" : "or");
    if (request.interlaced)
        options << "--interlaced";
    if (request.sheet) {
        options << "--tiles" << QStringLiteral("%1x%2").arg(request.sheet->tileWidth).arg(request.sheet->tileHeight);
        QStringList names;
        for (const std::string &name : request.sheet->names)
            names << QString::fromStdString(name);
        if (!names.isEmpty())
            options << "--names" << names.join(u',');
    }
    return options;
}

// The picture as the converter reads it: a group with the pair main\NAMEl, main\NAMEd, or
// a picture file main\NAME of the black-and-white picture (dark grey and black as black).
QByteArray inputFile(const GreyPicture &picture, bool grey, const std::string &name)
{
    if (grey) {
        GroupFile group;
        if (!putGreyPicture(group, picture, "main", name))
            return {};
        const std::optional<std::vector<uint8_t>> bytes = writeGroup(group);
        return bytes ? QByteArray(reinterpret_cast<const char *>(bytes->data()), qsizetype(bytes->size())) : QByteArray();
    }
    const EncodeResult file = encode89i("main", name, "", picture.width, picture.height, planeFromGrey(picture));
    return QByteArray(reinterpret_cast<const char *>(file.bytes.data()), qsizetype(file.bytes.size()));
}
} // namespace

// File > Export Source...: the options reach the source, which is the converter's for the
// same picture, from the selection when there is one; a refused or failed export writes nothing.
class tst_ExportSource : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    FakeExportSourceQuestion question;
    FakeFileDialogs dialogs;
    FakeMessages messages;
    QtFileStore files;
    ExportSourceCommand command{{question, dialogs, files, messages}};

    void load(PictureDocument &document, const GreyPicture &picture, bool grey)
    {
        if (grey)
            document.replace(levelsFromGrey(picture), picture.width, picture.height, 4);
        else
            document.replace(planeFromGrey(picture), picture.width, picture.height);
    }

    // What `dotlark-convert` writes into `out` for the picture and the options.
    QByteArray converted(const GreyPicture &picture, bool grey, const SpriteRequest &request, const QString &out)
    {
        const QString in = dir.filePath(grey ? "in.89g" : "in.89i");
        if (!writeFile(in, inputFile(picture, grey, request.name)))
            return "no input";
        // In a folder of its own under the same name: the include guard is made of it.
        QDir(dir.path()).mkpath(QStringLiteral("tool"));
        const QString path = dir.filePath(QStringLiteral("tool/") + out);
        const ToolRun run = runConvert(QStringList{in, path} + converterOptions(request));
        return run.exitCode == 0 ? readFile(path) : run.err.toUtf8();
    }

private slots:
    void init()
    {
        question.offers.clear();
        dialogs.requests.clear();
        messages.shown.clear();
    }

    // The options, the picture's kind and the part written: a fixed selection, or one
    // floating where it was moved to (partly off the picture). The picture stays as it was.
    void choicesReachTheSource_data()
    {
        QTest::addColumn<bool>("grey");
        QTest::addColumn<SpriteRequest>("request");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("selected"); // 0 none, 1 fixed, 2 floating
        QTest::newRow("grey, 16, separate") << true << requestOf(SpriteWidth::W16, -1, false) << "ship.h" << 0;
        QTest::newRow("grey, x8") << true << requestOf(SpriteWidth::X8, -1, false) << "ship.c" << 0;
        QTest::newRow("grey, 32, mask not white, interlaced") << true << requestOf(SpriteWidth::W32, 0, true) << "ship.h" << 0;
        QTest::newRow("grey, x8, mask not dark grey") << true << requestOf(SpriteWidth::X8, 2, false) << "ship.c" << 0;
        QTest::newRow("grey, 16, mask not black, interlaced") << true << requestOf(SpriteWidth::W16, 3, true) << "ship.h" << 0;
        QTest::newRow("black and white, 16") << false << requestOf(SpriteWidth::W16, -1, false) << "ship.c" << 0;
        QTest::newRow("black and white, 32, mask") << false << requestOf(SpriteWidth::W32, 0, false) << "ship.h" << 0;
        QTest::newRow("black and white, OR mask") << false << [] { SpriteRequest r = requestOf(SpriteWidth::W16, 0, false);
                                                                    r.maskSense = MaskSense::Or; return r; }() << "ship.h" << 0;
        QTest::newRow("all tiles, named") << true << [] { SpriteRequest r = requestOf(SpriteWidth::W8, 0, false);
                                                           r.sheet = TileSheet{4, 3, {"left", "", "right"}}; return r; }() << "sheet.h" << 0;
        QTest::newRow("a name from another") << true << requestOf(SpriteWidth::W16, 1, false, "enemy_2") << "e.h" << 0;
        QTest::newRow("selection, 8") << true << requestOf(SpriteWidth::W8, 0, false) << "part.h" << 1;
        QTest::newRow("floating selection") << true << requestOf(SpriteWidth::W8, 0, false) << "part.h" << 2;
        QTest::newRow("black and white selection") << false << requestOf(SpriteWidth::W8, -1, false) << "part.c" << 1;
    }

    void choicesReachTheSource()
    {
        QFETCH(bool, grey);
        QFETCH(SpriteRequest, request);
        QFETCH(QString, file);
        QFETCH(int, selected);
        PictureDocument document;
        load(document, greyOf(kShip), grey);
        const PixelGrid before = document.pixels();
        Selection selection(document);
        QStringList expected = kShip;
        if (selected) {
            selection.select({1, 0, 5, 3});
            if (selected == 2)
                selection.moveBy(9, 0);
            for (QString &row : expected)
                row = row.mid(1, 5);
        }
        question.answer = request;
        dialogs.choose(dir.filePath(file));
        command.run(document, selection, "ship");

        QCOMPARE(question.offers.size(), 1);
        const ExportSourceOffer offer = question.offers.first();
        QCOMPARE(QList<int>({offer.width, offer.height, offer.grey, offer.selection}),
                 QList<int>({int(expected.first().size()), 3, grey, selected > 0}));
        QCOMPARE(offer.name, QStringLiteral("ship"));
        QCOMPARE(messages.texts(), QStringList());
        const QByteArray written = readFile(dir.filePath(file));
        QVERIFY(!written.isEmpty());
        QCOMPARE(written, converted(greyOf(expected), grey, request, file));
        QVERIFY(document.pixels() == before);
    }

    // Nothing is written when the options are cancelled, the rows are too narrow (said
    // before a file is asked for) or the file dialog is cancelled.
    void nothingWritten_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<SpriteWidth>("width");
        QTest::addColumn<int>("fileDialogs");
        QTest::addColumn<QString>("message");
        QTest::newRow("options cancelled") << false << SpriteWidth::W16 << 0 << "";
        QTest::newRow("too wide for 8") << true << SpriteWidth::W8 << 0
                                        << "The C source can't be made: the picture is 12 pixels wide, wider than "
                                           "rows of 8 pixels (rows of bytes for SpriteX8 take any width)";
        QTest::newRow("file cancelled") << true << SpriteWidth::W16 << 1 << "";
    }

    void nothingWritten()
    {
        QFETCH(bool, answered);
        QFETCH(SpriteWidth, width);
        QFETCH(int, fileDialogs);
        QFETCH(QString, message);
        PictureDocument document;
        load(document, greyOf(kShip), false);
        Selection none(document);
        question.answer = answered ? std::optional(requestOf(width, -1, false)) : std::nullopt;
        command.run(document, none, "ship");
        QCOMPARE(dialogs.requests.size(), fileDialogs);
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    void failedWriteKeepsTheOldFile()
    {
        FullDisk disk(64);
        REQUIRE_FULL_DISK(disk);
        QVERIFY(disk.put("ship.h", "old"));
        disk.fill();
        PictureDocument document;
        load(document, greyOf(kShip), true);
        Selection none(document);
        question.answer = requestOf(SpriteWidth::X8, 0, true);
        dialogs.choose(disk.path("ship")); // the ending of the filter chosen comes with it
        command.run(document, none, "ship");
        QCOMPARE(readFile(disk.path("ship.h")), QByteArray("old"));
        QCOMPARE(disk.entries(), (QStringList{"filler", "ship.h"})); // no temporary file left
        QCOMPARE(messages.shown.size(), 1);
        const QString text = messages.shown.first().text;
        QVERIFY2(text.startsWith("Can't write the source " + disk.path("ship.h") + '\r')
                     && text.contains("No space left on device"),
                 qPrintable(text));
    }

    // The dialog starts at the rows that fit, no mask and separate planes (the choice of a
    // grey picture only); what is set in it is the request.
    void dialogStartsFromThePicture_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("grey");
        QTest::addColumn<SpriteWidth>("rows");
        QTest::addColumn<int>("masks");
        QTest::newRow("8, black and white") << 8 << false << SpriteWidth::W8 << 3;
        QTest::newRow("9, grey") << 9 << true << SpriteWidth::W16 << 5;
        QTest::newRow("32") << 32 << true << SpriteWidth::W32 << 5;
        QTest::newRow("33") << 33 << false << SpriteWidth::X8 << 3;
    }

    void dialogStartsFromThePicture()
    {
        QFETCH(int, width);
        QFETCH(bool, grey);
        QFETCH(SpriteWidth, rows);
        QFETCH(int, masks);
        ExportSourceDialog dialog({width, 5, grey, true, QStringLiteral("pic_1ship"), {}});
        SpriteRequest request = dialog.request();
        QCOMPARE(request.width, rows);
        QCOMPARE(request.mask || request.interlaced, false);
        QCOMPARE(request.name, std::string("pic_1ship"));
        auto *mask = dialog.findChild<QComboBox *>("mask");
        QCOMPARE(mask->count(), masks);
        auto *interlaced = dialog.findChild<QRadioButton *>("interlaced");
        QCOMPARE(interlaced->isEnabled(), grey);

        dialog.findChild<QComboBox *>("rows")->setCurrentIndex(3);
        mask->setCurrentIndex(masks - 1);
        interlaced->setChecked(true);
        QLineEdit *name = dialog.findChild<QLineEdit *>("name");
        name->clear();
        QTest::keyClicks(name, "9 sprite-a");
        request = dialog.request();
        QCOMPARE(request.width, SpriteWidth::X8);
        QCOMPARE(request.mask && request.transparent == GreyLevel::Black, true);
        QCOMPARE(request.maskSense, MaskSense::And); // an AND mask unless the user says otherwise
        auto *sense = dialog.findChild<QComboBox *>("maskSense");
        QVERIFY(sense->isEnabled());
        sense->setCurrentIndex(1);
        QCOMPARE(dialog.request().maskSense, MaskSense::Or);
        QCOMPARE(request.name, std::string("spritea")); // a C identifier only
    }

    // The menu item: the whole picture, the array named after the Pic Var Name box as it is.
    void fromTheWindow()
    {
        FakeServices fakes;
        Services services = fakes.services();
        services.exportSource = &question;
        MainWindow window(services);
        window.endProgram = [] {};
        window.Form_Load({});
        window.nameBox()->setText(QStringLiteral("1ship"));
        question.answer = std::nullopt;
        window.action(QStringLiteral("miExportSource"))->trigger();
        QCOMPARE(question.offers.size(), 1);
        QCOMPARE(question.offers.first().name, QStringLiteral("pic_1ship"));
        QCOMPARE(QList<int>({question.offers.first().width, question.offers.first().height}), QList<int>({160, 77}));
    }
};

QTEST_MAIN(tst_ExportSource)
#include "tst_ExportSource.moc"
