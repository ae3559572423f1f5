#include "qtplatform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

QImage QtClipboard::image() const { return QGuiApplication::clipboard()->image(); }

void QtClipboard::setImage(const QImage &image) { QGuiApplication::clipboard()->setImage(image); }
