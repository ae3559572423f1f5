#include "fakes/Fakes.h"
#include "fakes/TestFiles.h"
#include "qtplatform/QtProgramLauncher.h"
#include "session/LinkLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>

Q_DECLARE_METATYPE(ProgramLauncher::Start)

// Starting programs, and activating windows on a real X server without a window manager
// (as under xvfb-run), where the launcher itself has to raise and focus them.
class tst_LinkActivation : public QObject
{
    Q_OBJECT

    static constexpr char noServer[] = "needs an X server without a window manager (run under xvfb-run)";
    Display *m_display = nullptr;
    Window m_desk = 0; // stands for the user's other work
    QList<Window> m_made;
    QTemporaryDir m_folder;

    Window root() const { return DefaultRootWindow(m_display); }
    Atom atom(const char *name) const { return XInternAtom(m_display, name, False); }
    void setWindows(Window on, const char *property, Atom type, QList<Window> values)
    {
        XChangeProperty(m_display, on, atom(property), type, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(values.data()), static_cast<int>(values.size()));
    }

    // made: a title, optionally marked "utf8:" (only _NET_WM_NAME set) or "hidden:" (not mapped).
    Window makeWindow(QString made)
    {
        const bool utf8Only = made.startsWith("utf8:"), hidden = made.startsWith("hidden:");
        const QByteArray title = made.section(':', utf8Only || hidden ? 1 : 0).toUtf8();
        const Window window = XCreateSimpleWindow(m_display, root(), 0, 0, 60, 40, 0, 0, 0);
        if (utf8Only)
            XChangeProperty(m_display, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(title.data()), static_cast<int>(title.size()));
        else
            XStoreName(m_display, window, title.constData());
        if (!hidden)
            XMapWindow(m_display, window);
        XSync(m_display, False);
        m_made << window;
        return window;
    }
    Window focused() const
    {
        Window window = 0;
        int revert = 0;
        XGetInputFocus(m_display, &window, &revert);
        return window;
    }
    void focusDesk()
    {
        XSetInputFocus(m_display, m_desk, RevertToParent, CurrentTime);
        XSync(m_display, False);
    }
    // The stand-in's windows on screen, bottom to top.
    QList<Window> standins() const
    {
        Window rootOut = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        QList<Window> found;
        XQueryTree(m_display, DefaultRootWindow(m_display), &rootOut, &parent, &children, &count);
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes{};
            char *name = nullptr;
            if (XGetWindowAttributes(m_display, children[i], &attributes) && attributes.map_state == IsViewable
                && XFetchName(m_display, children[i], &name) && name) {
                if (QByteArray(name) == "TI-GRAPH LINK (89)")
                    found << children[i];
                XFree(name);
            }
        }
        if (children)
            XFree(children);
        return found;
    }

    // Ends every copy of the stand-in started from the test folder.
    void endStandins()
    {
        const QString pids = m_folder.filePath("standin.pids");
        for (const QByteArray &pid : readFile(pids).split('\n'))
            if (pid.toInt() > 0)
                ::kill(pid.toInt(), SIGTERM);
        QFile::remove(pids);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_display = XOpenDisplay(nullptr);
        XWindowAttributes rootAttributes{};
        if (m_display && XGetWindowAttributes(m_display, root(), &rootAttributes)
            && (rootAttributes.all_event_masks & SubstructureRedirectMask)) {
            XCloseDisplay(m_display); // a window manager would decide about the focus itself
            m_display = nullptr;
        }
        if (m_display) {
            // Stand-ins ended by the tests take their windows along while they are looked at.
            XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
            m_desk = makeWindow("Other work");
        }
        m_made.clear();
    }
    void cleanup()
    {
        if (!m_display)
            return;
        XSelectInput(m_display, root(), NoEventMask);
        for (const char *property : {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED", "_NET_CLIENT_LIST"})
            XDeleteProperty(m_display, root(), atom(property));
        for (Window window : std::as_const(m_made))
            XDestroyWindow(m_display, window);
        m_made.clear();
        XSync(m_display, False);
    }
    void cleanupTestCase()
    {
        endStandins();
        if (m_display)
            XCloseDisplay(m_display);
    }

    // What the launcher says of a start; the program runs in its own folder, or through wine.
    void start_data()
    {
        QTest::addColumn<QString>("name");      // empty: the file does not exist
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<QByteArray>("wine");   // the wine on the PATH, empty: none
        QTest::addColumn<ProgramLauncher::Start>("result");
        QTest::addColumn<bool>("byWine");
        using Start = ProgramLauncher::Start;
        const QByteArray script = "#!/bin/sh\necho \"$PWD\" > ran\n", windows("MZ\x90\0\3\0\0\0", 8);
        const QByteArray wine = "#!/bin/sh\necho \"$1\" > \"$WINE_ARGS\"\n", brokenWine = "not a program\n";
        QTest::newRow("missing file") << "" << QByteArray() << false << wine << Start::Missing << false;
        QTest::newRow("folder") << "folder.exe" << QByteArray() << false << wine << Start::NotProgram << false;
        QTest::newRow("program the system runs") << "run" << script << true << wine << Start::Started << false;
        QTest::newRow("not executable") << "notes.txt" << script << false << wine << Start::NotProgram << false;
        QTest::newRow("windows program through wine")
            << "LINK89.EXE" << windows << false << wine << Start::Started << true;
        QTest::newRow("executable the system cannot run")
            << "link89.exe" << windows << true << wine << Start::Started << true;
        QTest::newRow("windows program without wine")
            << "LINK89.EXE" << windows << false << QByteArray() << Start::NoWine << false;
        QTest::newRow("text named .exe") << "LINK89.EXE" << script << false << wine << Start::NotProgram << false;
        QTest::newRow("wine that does not start")
            << "LINK89.EXE" << windows << false << brokenWine << Start::WineFailed << false;
    }
    void start()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFETCH(QByteArray, wine);
        QFETCH(ProgramLauncher::Start, result);
        QFETCH(bool, byWine);

        QTemporaryDir folder;
        QDir(folder.path()).mkpath("bin");
        const QString program = folder.filePath(name.isEmpty() ? "absent.exe" : name);
        if (name.startsWith("folder"))
            QVERIFY(QDir().mkpath(program));
        else if (!name.isEmpty())
            QVERIFY(executable ? writeProgram(program, content) : writeFile(program, content));
        const QString wineArgs = folder.filePath("wine.args");
        if (!wine.isEmpty())
            QVERIFY(writeProgram(folder.filePath("bin/wine"), wine));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", folder.filePath("bin").toUtf8());
        qputenv("WINE_ARGS", wineArgs.toUtf8());
        const ProgramLauncher::Start got =
            QtProgramLauncher().start(program, ProgramLauncher::WindowStyle::NormalWithoutFocus, QString());
        qputenv("PATH", path);
        qunsetenv("WINE_ARGS");

        QCOMPARE(got, result);
        if (byWine)
            QTRY_COMPARE(readFile(wineArgs).trimmed(), program.toUtf8());
        else if (result == ProgramLauncher::Start::Started) // the program runs in its own folder
            QTRY_COMPARE(readFile(folder.filePath("ran")).trimmed(), folder.path().toUtf8());
    }

    // Titles are matched whole first, then by their beginning, case and all; the top-most wins.
    void activateByTitle_data()
    {
        QTest::addColumn<QStringList>("windows"); // bottom to top
        QTest::addColumn<int>("activated");       // -1: none
        QTest::newRow("exact title") << QStringList{"CALC LINK (89)"} << 0;
        QTest::newRow("title beginning with it") << QStringList{"CALC LINK (89) - pic.89i"} << 0;
        QTest::newRow("whole title before a beginning")
            << QStringList{"CALC LINK (89)", "CALC LINK (89) - pic.89i"} << 0;
        QTest::newRow("top-most of two") << QStringList{"CALC LINK (89)", "CALC LINK (89)"} << 1;
        QTest::newRow("title only in _NET_WM_NAME") << QStringList{"utf8:CALC LINK (89)"} << 0;
        QTest::newRow("shorter title") << QStringList{"CALC LINK"} << -1;
        QTest::newRow("other case") << QStringList{"calc link (89)"} << -1;
        QTest::newRow("window not shown") << QStringList{"hidden:CALC LINK (89)"} << -1;
    }
    void activateByTitle()
    {
        if (!m_display)
            QSKIP(noServer);
        QFETCH(QStringList, windows);
        QFETCH(int, activated);
        QList<Window> made;
        for (const QString &window : windows)
            made << makeWindow(window);
        focusDesk();
        QCOMPARE(QtProgramLauncher().activate("CALC LINK (89)"), activated >= 0);
        QCOMPARE(focused(), activated >= 0 ? made[activated] : m_desk);
    }

    // With a live manager the window is found in its client list and the manager is asked to
    // activate it; a manager that has gone leaves the launcher to focus the window itself.
    void windowManager_data()
    {
        QTest::addColumn<bool>("alive");
        QTest::newRow("manager answers") << true;
        QTest::newRow("manager gone") << false;
    }
    void windowManager()
    {
        if (!m_display)
            QSKIP(noServer);
        QFETCH(bool, alive);
        // A minimised client is in the list but not on screen; a gone manager's list is stale.
        const Window client = makeWindow(alive ? "hidden:CALC LINK (89)" : "CALC LINK (89)");
        const Window check = XCreateSimpleWindow(m_display, root(), 0, 0, 1, 1, 0, 0, 0);
        setWindows(check, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, {check});
        setWindows(root(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, {check});
        setWindows(root(), "_NET_SUPPORTED", XA_ATOM, {atom("_NET_ACTIVE_WINDOW")});
        setWindows(root(), "_NET_CLIENT_LIST", XA_WINDOW, {client});
        if (alive)
            m_made << check;
        else
            XDestroyWindow(m_display, check);
        XSelectInput(m_display, root(), SubstructureRedirectMask);
        focusDesk();

        QVERIFY(QtProgramLauncher().activate("CALC LINK (89)"));
        XSync(m_display, False);
        XEvent event;
        bool asked = false;
        while (XCheckTypedEvent(m_display, ClientMessage, &event))
            asked = asked || (event.xclient.message_type == atom("_NET_ACTIVE_WINDOW")
                              && event.xclient.window == client && event.xclient.data.l[0] == 2);
        QCOMPARE(asked, alive);
        QCOMPARE(focused(), alive ? m_desk : client);
    }

    // The button end to end, with copies of the stand-in as the link program.
    void buttonStartsAndSwitchesToTheProgram()
    {
        if (!m_display)
            QSKIP(noServer);
        const QString program = m_folder.filePath("WLINK89.EXE");
        QVERIFY(QFile::copy(LINK_STANDIN, program));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        FakeSettings settings;
        FakeFileDialogs dialogs;
        FakeMessages messages;
        QtProgramLauncher launcher;
        LinkLauncher button(settings, dialogs, messages, launcher);
        const QString stored = "dotlark95/wlink/location";

        // First press: the program is picked, kept and started.
        focusDesk();
        dialogs.choose(program);
        button.Command2_Click();
        QCOMPARE(settings.values.value(stored), program);
        QTRY_COMPARE_WITH_TIMEOUT(standins().size(), 1, 10000);
        const Window first = standins().first();

        // Later press: the kept program starts again and its new window takes the focus.
        focusDesk();
        button.Command2_Click();
        QTRY_COMPARE_WITH_TIMEOUT(standins().size(), 2, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(focused() != m_desk, 10000);
        QVERIFY(focused() != first && standins().contains(focused()));

        // The kept program can no longer start, but copies run: one of them is brought back.
        focusDesk();
        QVERIFY(QFile::rename(program, program + ".moved"));
        button.Command2_Click();
        QVERIFY(standins().contains(focused()));
        QCOMPARE(settings.values.value(stored), program);
        QCOMPARE(dialogs.requests.size(), 1);
        QVERIFY(messages.shown.isEmpty());
    }

    // A program whose window comes late, perhaps without naming its process, is followed by
    // the window's title too: the first press (started without focus, then activated by
    // title) and a later press (started with focus) both end with its new window in front.
    void lateWindowComesToTheFront_data()
    {
        QTest::addColumn<bool>("markPid");
        QTest::newRow("window named by its process") << true;
        QTest::newRow("window without process id") << false;
    }
    void lateWindowComesToTheFront()
    {
        if (!m_display)
            QSKIP(noServer);
        QFETCH(bool, markPid);
        // The stand-in sits in the test folder, so that its copies are ended at the close.
        const QString standin = m_folder.filePath("linkstandin");
        if (!QFile::exists(standin))
            QVERIFY(QFile::copy(LINK_STANDIN, standin));
        const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QVERIFY(QFile::setPermissions(standin, executable));
        const QString folder = m_folder.filePath(markPid ? "pid" : "nopid");
        QVERIFY(QDir().mkpath(folder));
        const QString program = folder + "/WLINK89.EXE";
        QVERIFY(writeProgram(program, "#!/bin/sh\nexec '" + standin.toUtf8() + "' --delay 1500"
                                          + (markPid ? "" : " --no-pid") + "\n"));
        FakeSettings settings;
        FakeFileDialogs dialogs;
        FakeMessages messages;
        QtProgramLauncher launcher;
        LinkLauncher button(settings, dialogs, messages, launcher);
        // With a copy already running, the first press would switch to that one at once.
        endStandins();
        QTRY_VERIFY(standins().isEmpty());

        focusDesk();
        dialogs.choose(program);
        button.Command2_Click();
        QCOMPARE(focused(), m_desk); // the window is not there yet
        QTRY_VERIFY_WITH_TIMEOUT(focused() != m_desk, 10000);
        const Window first = focused();
        QCOMPARE(standins(), QList<Window>{first});

        focusDesk();
        button.Command2_Click();
        QTRY_VERIFY_WITH_TIMEOUT(focused() != m_desk, 10000);
        QCOMPARE(standins().size(), 2);
        QVERIFY(standins().contains(focused()) && focused() != first);
    }
};

QTEST_GUILESS_MAIN(tst_LinkActivation)
#include "tst_LinkActivation.moc"
