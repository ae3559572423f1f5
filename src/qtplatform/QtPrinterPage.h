#pragma once

#include "platform/PrinterPage.h"

#include <QFont>
#include <QPointF>
#include <functional>
#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;

// A printer page drawn with QPainter on any paint device: a QPrinter, a QPdfWriter or, in
// tests, an image. Twips are mapped onto the device's resolution; one printer dot is one
// device pixel.
//
// Nothing reaches the device before EndDocument(): the operations are kept and painted in
// one go at the end, so a job that stops half-way leaves the printer untouched.
class QtPrinterPage : public PrinterPage
{
public:
    explicit QtPrinterPage(QPaintDevice &device);

    bool DrawBox(double x1, double y1, double x2, double y2, const QColor &colour, bool filled) override;
    bool DrawSquareRow(double x, double y, int count, double side, double pitch, const QColor &colour) override;
    bool SetPenWidth(int dots) override;
    bool SetTextPos(double x, double y) override;
    bool SetTextX(double x) override;
    bool SetFont(const QString &face, double points) override;
    bool PrintText(const QString &text, bool endOfLine) override;
    bool EndDocument() override;

protected:
    // A real printer can refuse before the first stroke and fail while painting; other
    // devices (PDF writers, images) do neither.
    virtual bool deviceReady() const { return true; }
    virtual bool deviceFailed() const { return false; }

private:
    struct SquareBatch;

    QPointF toDevice(double x, double y) const; // twips -> device pixels
    double toTwipsX(double devicePixels) const;
    double toTwipsY(double devicePixels) const;

    QPaintDevice &m_device;
    double m_dpiX = 1440;
    double m_dpiY = 1440;
    int m_penWidth = 1;   // printer dots
    QFont m_font;
    QPointF m_textPos;    // twips
    bool m_ended = false;
    std::vector<std::function<void(QPainter &)>> m_ops;
    std::shared_ptr<SquareBatch> m_batch; // where squares go while nothing else was drawn since
};

// The face to ask for: the face itself when it is installed, otherwise an installed face
// with the same metrics (Arial -> Liberation Sans, ...), otherwise the face unchanged so
// the font matcher picks the nearest.
QString printableFace(const QString &face);
