#include "shell/MainWindow.h"

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {}

void MainWindow::start(const QStringList &) { show(); }
