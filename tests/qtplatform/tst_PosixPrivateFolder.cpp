#include "fakes/OrdinaryUser.h"
#include "fakes/TestFiles.h"
#include "qtplatform/PosixPrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
int modeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}
} // namespace

// The recovery copies' folder on a real file system: what it takes to be the user's alone,
// and writes that no link redirects. Refused, a folder is left exactly as it was.
class tst_PosixPrivateFolder : public QObject
{
    Q_OBJECT
    using Trouble = PrivateFolder::Trouble;

private slots:
    void prepare_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<int>("modeAfter"); // of what stands at the path (a link's target); -1: not looked at
        QTest::newRow("missing, its parent too") << "missing" << Trouble::None << 0700;
        QTest::newRow("ours, open to all") << "ours 0777" << Trouble::None << 0700;
        QTest::newRow("a link to a folder of ours") << "link 0755" << Trouble::Link << 0755;
        QTest::newRow("a file") << "file" << Trouble::NotAFolder << -1;
        QTest::newRow("another user's, open to all") << "theirs 0777" << Trouble::OtherOwner << 0777;
        QTest::newRow("ours, open to all, unchangeable") << "immutable 0777" << Trouble::OpenToOthers << 0777;
    }
    void prepare()
    {
        QFETCH(QString, setup);
        QFETCH(Trouble, trouble);
        QFETCH(int, modeAfter);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("state/recovery"));
        const QString real = setup.startsWith("link") ? dir.filePath(QStringLiteral("real")) : path;
        const int mode = setup.section(u' ', 1).toInt(nullptr, 8);
        if (setup == "file")
            QVERIFY(QDir().mkpath(dir.filePath("state")) && writeFile(path, "x"));
        else if (setup != "missing")
            QVERIFY(QDir().mkpath(real) && ::chmod(QFile::encodeName(real).constData(), mode_t(mode)) == 0);
        if (setup.startsWith("link"))
            QVERIFY(QDir().mkpath(dir.filePath("state")) && QFile::link(real, path));
        if (setup.startsWith("theirs") && (::geteuid() != 0 || !OrdinaryUser::own(real)))
            QSKIP("Only root can give a folder to another user.");
        const bool immutable = setup.startsWith("immutable");
        if (immutable && QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), real}) != 0)
            QSKIP("This file system cannot make a folder unchangeable.");
        const auto undo = qScopeGuard([&] {
            if (immutable)
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), real});
        });

        PosixPrivateFolder folder(path);
        QCOMPARE(folder.prepare().trouble, trouble);
        if (modeAfter >= 0)
            QCOMPARE(modeOf(real), modeAfter);
        QCOMPARE(folder.writeFile(QStringLiteral("copy"), "bytes").ok(), trouble == Trouble::None);
        if (trouble == Trouble::None)
            QCOMPARE(modeOf(path + "/copy"), 0600);
        else if (setup != "file")
            QVERIFY(QDir(real).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    }

    // A link at the copy's name, or at the name of the part written first, is replaced:
    // the file it names stays as it was, and a dangling one makes no file.
    void writeFollowsNoLink_data()
    {
        QTest::addColumn<QString>("linkName");
        QTest::addColumn<bool>("dangling");
        QTest::newRow("at the name") << "copy" << false;
        QTest::newRow("at the name, dangling") << "copy" << true;
        QTest::newRow("at the part's name") << ".copy.part" << false;
    }
    void writeFollowsNoLink()
    {
        QFETCH(QString, linkName);
        QFETCH(bool, dangling);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("recovery")), victim = dir.filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkdir(path));
        if (!dangling)
            QVERIFY(writeFile(victim, "precious"));
        QVERIFY(QFile::link(victim, path + u'/' + linkName));

        PosixPrivateFolder folder(path);
        QCOMPARE(folder.prepare().trouble, Trouble::None);
        QVERIFY(folder.writeFile(QStringLiteral("copy"), "new").ok());
        QCOMPARE(QFileInfo::exists(victim), !dangling);
        if (!dangling)
            QCOMPARE(readFile(victim), "precious");
        QVERIFY(!QFileInfo(path + "/copy").isSymLink());
        QCOMPARE(readFile(path + "/copy"), "new");
        QCOMPARE(modeOf(path + "/copy"), 0600);
        QCOMPARE(QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"copy"});
    }
};

QTEST_GUILESS_MAIN(tst_PosixPrivateFolder)
#include "tst_PosixPrivateFolder.moc"
