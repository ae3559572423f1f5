// The yardstick of the editor's start-up: a bare Qt 6 main window with a menu bar and a
// status bar, shown as the editor shows its own (bench/startup.sh times both).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(592, 444);
    window.show();
    return app.exec();
}
