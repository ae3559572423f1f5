#include "fakes/AsciiPictures.h"
#include "fakes/FakeWindow.h"
#include "fakes/PictureFixtures.h"
#include "qtplatform/PosixPrivateFolder.h"
#include "qtplatform/QtFileStore.h"
#include "session/RecoveryStore.h"
#include "shell/TextBox.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
Services withStore(FakeServices &fakes, RecoveryStore &store)
{
    store.writeDelayMs = 50;
    Services services = fakes.services();
    services.recovery = &store;
    return services;
}

// An editor on fake services whose recovery copies are real files in `folder`.
struct RecoveringWindow
{
    FakeServices fakes;
    QtFileStore files;
    PosixPrivateFolder privateFolder;
    RecoveryStore store;
    MainWindow window;
    int ended = 0;
    explicit RecoveringWindow(const QString &folder)
        : privateFolder(folder), store(files, privateFolder), window(withStore(fakes, store))
    {
        window.endProgram = [this] { ++ended; };
        window.Form_Load({});
    }
    bool hasOwnCopy() const { return QFile::exists(store.ownPath()); }
};

QStringList copiesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.dlrecovery*")}, QDir::Files, QDir::Name);
}

// A copy an editor left: a picture of 8 x 4 pixels with one black, under its own name.
void leaveCopy(const QString &folder, const QString &name, int ageSeconds, const std::string &file)
{
    RecoveryCopy copy;
    copy.width = 8;
    copy.height = 4;
    copy.pixels = PixelGrid(8, 4);
    copy.pixels.set(ageSeconds % 8, 1, 1);
    copy.folder = "main";
    copy.name = name.toStdString();
    copy.file = file;
    copy.madeAt = QDateTime::currentMSecsSinceEpoch() - ageSeconds * 1000;
    const std::vector<uint8_t> bytes = encodeRecovery(copy);
    QFile out(folder + u'/' + name + RecoveryStore::kEnding);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
    QVERIFY(out.flush()); // written now, so the close does not stamp the file again
    QVERIFY(out.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}
} // namespace

// The editor's recovery copies as the user meets them: a killed editor's drawing offered at
// the next start and recovered, a running editor's copy left alone, the answers, a damaged
// copy set aside, and the exits that leave no copy.
class tst_RecoveryOffer : public QObject
{
    Q_OBJECT
    QTemporaryDir m_state;

private slots:
    // A real editor opens a picture, draws on it and is killed; the next editor offers the
    // drawing and Recover gives it back as unsaved work.
    void killedEditorIsRecovered()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("state/dotlark/recovery"));
        const QString picture = home.filePath(QStringLiteral("pic.89i"));
        const QByteArray bytes = pictureFile(40, 20, {{1, 1}}, {.folder = "fold", .name = "pic1", .comment = "note"});
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("DOTLARK_TEST_STROKE"), QStringLiteral("3,3 10,3"));
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(DOTLARK_BINARY_DIR "/app/dotlark/dotlark"), {picture});
        QVERIFY(editor.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(copiesIn(folder).size(), 1, 20000);

        {
            RecoveringWindow second(folder); // while the first still runs
            second.window.offerRecovery();
            QVERIFY(second.fakes.questions.recoverAsked.isEmpty());
        }
        editor.kill(); // SIGKILL: no chance to tidy up
        QVERIFY(editor.waitForFinished());

        RecoveringWindow next(folder);
        next.fakes.questions.recoverAnswers = {{Questions::RecoverChoice::Recover, 0}};
        next.window.offerRecovery();
        QCOMPARE(next.fakes.questions.recoverAsked.size(), 1);
        QCOMPARE(next.fakes.questions.recoverAsked.first().size(), 1);
        const LeftCopy asked = next.fakes.questions.recoverAsked.first().first();
        QCOMPARE(asked.file, picture);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d$")).match(asked.time).hasMatch(),
                 qPrintable(asked.time));
        // The pixels as the same stroke leaves them in an editor that is not killed.
        FakeWindow drawn;
        drawn.fakes.files.files[picture] = bytes;
        QVERIFY(drawn.window.OpenFile(picture, QStringLiteral("pic.89i")));
        drawn.window.tools().Picture1_MouseDown(1, 3.5f, 3.5f);
        drawn.window.tools().Picture1_MouseMove(1, 10.5f, 3.5f);
        drawn.window.tools().Picture1_MouseUp(1, 10.5f, 3.5f);
        const PictureDocument &document = next.window.document();
        QCOMPARE(document.width(), 40);
        QCOMPARE(document.height(), 20);
        QCOMPARE(rowsOf(document.pixels(), 40, 20), rowsOf(drawn.window.document().pixels(), 40, 20));
        QCOMPARE(document.pixels().at(5, 3), 1); // the stroke, not only the file
        QCOMPARE(next.window.folderBox()->text(), "fold");
        QCOMPARE(next.window.nameBox()->text(), "pic1");
        QCOMPARE(next.window.commentBox()->text(), "note");
        // Unsaved work without a file: Save As offers the old file, which stays as it was.
        QCOMPARE(menuState(next.window), "DDDEE");
        QVERIFY(next.window.currentFile().isEmpty());
        next.window.miSaveAs_Click();
        QCOMPARE(next.fakes.dialogs.requests.last().suggestedPath, picture);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == bytes);
        // The old copy is gone; the recovering editor's own holds the work.
        QCOMPARE(copiesIn(folder), QStringList{QFileInfo(next.store.ownPath()).fileName()});
    }

    // One question lists both copies, newest first. Recover takes the one chosen (the newest
    // by default) and leaves the other for the next start; Discard deletes both; Later keeps
    // both.
    void answers_data()
    {
        using C = Questions::RecoverChoice;
        QTest::addColumn<Questions::RecoverChoice>("choice");
        QTest::addColumn<int>("copy");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("recovered"); // the picture's name; empty: none recovered
        QTest::newRow("Recover the newest") << C::Recover << 0 << QStringList{"older.dlrecovery"} << "newer";
        QTest::newRow("Recover the older") << C::Recover << 1 << QStringList{"newer.dlrecovery"} << "older";
        QTest::newRow("Discard") << C::Discard << 0 << QStringList{} << "";
        QTest::newRow("Later") << C::Later << 0 << QStringList{"newer.dlrecovery", "older.dlrecovery"} << "";
    }
    void answers()
    {
        QFETCH(Questions::RecoverChoice, choice);
        QFETCH(int, copy);
        QFETCH(QStringList, left);
        QFETCH(QString, recovered);
        QTemporaryDir folder;
        leaveCopy(folder.path(), QStringLiteral("newer"), 60, "");
        leaveCopy(folder.path(), QStringLiteral("older"), 3600, "/p/old.89i");
        RecoveringWindow window(folder.path());
        window.fakes.questions.recoverAnswers = {{choice, copy}};
        window.window.offerRecovery();
        QCOMPARE(window.fakes.questions.recoverAsked.size(), 1);
        const QList<LeftCopy> asked = window.fakes.questions.recoverAsked.first();
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].file, "Untitled");
        QCOMPARE(asked[1].file, "/p/old.89i");
        QCOMPARE(window.window.nameBox()->text(), recovered.isEmpty() ? "picture" : recovered);
        QCOMPARE(window.window.document().hasUnsavedWork(), !recovered.isEmpty());
        QStringList expected = left;
        if (!recovered.isEmpty())
            expected.prepend(QFileInfo(window.store.ownPath()).fileName());
        expected.sort();
        QCOMPARE(copiesIn(folder.path()), expected);
        // What is left is offered again by the next editor, in one question.
        RecoveringWindow next(folder.path());
        next.window.offerRecovery();
        QCOMPARE(next.fakes.questions.recoverAsked.size(), left.isEmpty() ? 0 : 1);
        if (!left.isEmpty())
            QCOMPARE(next.fakes.questions.recoverAsked.first().size(), left.size());
    }

    // A recovery folder that is a link is refused, said at start naming it and why, and no
    // question is asked.
    void refusedFolderIsSaid()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real")), folder = dir.filePath(QStringLiteral("recovery"));
        QVERIFY(QDir().mkdir(real) && QFile::link(real, folder));
        leaveCopy(real, QStringLiteral("left"), 60, "");
        RecoveringWindow window(folder);
        window.window.offerRecovery();
        QCOMPARE(window.fakes.messages.shown.size(), 1);
        QCOMPARE(window.fakes.messages.shown.first().text,
                 QStringLiteral("The recovery folder %1 cannot be used.\rIt is a symbolic link.\rNo recovery copies are "
                                "kept, so unsaved work is lost if DOTLARK crashes or is killed.")
                     .arg(folder));
        QVERIFY(window.fakes.questions.recoverAsked.isEmpty());
    }

    // A copy that cannot be read is set aside with a message naming it; the others are offered.
    void damagedCopyIsSetAside()
    {
        QTemporaryDir folder;
        QFile damaged(folder.filePath(QStringLiteral("bad.dlrecovery")));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("DOTLARK-RECOVERY 1\n\x05") > 0);
        damaged.close();
        leaveCopy(folder.path(), QStringLiteral("good"), 7200, "");
        RecoveringWindow window(folder.path());
        window.window.offerRecovery();
        QCOMPARE(window.fakes.messages.shown.size(), 1);
        QCOMPARE(window.fakes.messages.shown.first().text,
                 QStringLiteral("The recovery copy %1 cannot be read.\rIt ends before its picture does.\rIt was set aside as %1.damaged.")
                     .arg(damaged.fileName()));
        QCOMPARE(window.fakes.questions.recoverAsked.size(), 1);
        QCOMPARE(window.fakes.questions.recoverAsked.first().size(), 1);
        QCOMPARE(copiesIn(folder.path()), (QStringList{"bad.dlrecovery.damaged", "good.dlrecovery"}));
    }

    // "  Quit Anyway" leaves no copy; "Continue   Working" keeps it.
    void exitAndTheCopy_data()
    {
        QTest::addColumn<Questions::ExitChoice>("choice");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Quit Anyway") << Questions::ExitChoice::Quit << false;
        QTest::newRow("Continue Working") << Questions::ExitChoice::ContinueWorking << true;
    }
    void exitAndTheCopy()
    {
        QFETCH(Questions::ExitChoice, choice);
        QFETCH(bool, kept);
        QTemporaryDir folder;
        RecoveringWindow window(folder.path());
        drawDot(window.window);
        window.window.tools().Picture1_MouseUp(1, 3.5f, 3.5f);
        QTRY_VERIFY(window.hasOwnCopy());
        window.fakes.questions.exitChoices = {choice};
        window.window.miExit_Click();
        QCOMPARE(window.ended, kept ? 0 : 1);
        QCOMPARE(window.hasOwnCopy(), kept);
    }
};

QTEST_MAIN(tst_RecoveryOffer)
#include "tst_RecoveryOffer.moc"
