#include "shell/Icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

using Painting = std::function<void(QPainter &)>;

// Renders a drawing made on a units x units square at each of the given pixel sizes.
QIcon drawnIcon(const Painting &paint, std::initializer_list<int> sizes, qreal units = 16)
{
    QIcon icon;
    for (const int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / units, size / units);
        paint(painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Our lark, one character per calculator pixel: '#' is a black dot, anything else is empty.
const char *const kLark[] = {
    "...............##.......", //
    "..............###.......", //
    ".............#####......", //
    "............###.###.....", // the eye
    "............#########...", // the beak
    "............######......", //
    "..........#########.....", //
    ".......############.....", //
    "....##############......", //
    "..#######.#######.......", // the wing's edge
    "#######.##.#####........", //
    "##...#####.###..........", //
    "......########..........", //
    "........#...#...........", // legs
    ".......##..##...........", // feet
};

// The lark shrunk for icons.
const char *const kSmallLark[] = {
    "........#...", //
    ".......###..", //
    ".......#.##.", //
    "......######", //
    "...########.", //
    ".#########..", //
    "####.#####..", //
    "#...######..", //
    "......#.#...", //
};

template <std::size_t Rows>
void plotDots(QPainter &painter, const char *const (&rows)[Rows], QPointF origin, qreal dot, const QColor &ink)
{
    for (std::size_t y = 0; y < Rows; ++y)
        for (int x = 0; rows[y][x] != '\0'; ++x)
            if (rows[y][x] == '#')
                painter.fillRect(QRectF(origin.x() + x * dot, origin.y() + y * dot, dot, dot), ink);
}

const QColor kCaseColour(52, 56, 66);
const QColor kLcdColour(170, 186, 150);
const QColor kLcdInk(30, 40, 30);

// A calculator on a 32-unit square: case, screen with the small lark, three rows of keys.
void paintCalculator(QPainter &painter)
{
    painter.setPen(QPen(QColor(20, 20, 26), 1));
    painter.setBrush(kCaseColour);
    painter.drawRoundedRect(QRectF(5.5, 1.5, 21, 29), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(8, 4, 16, 11), kLcdColour);
    plotDots(painter, kSmallLark, QPointF(10, 5), 1, kLcdInk);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            const QColor key = row == 0 && col == 0 ? QColor(80, 150, 230) : QColor(205, 205, 210);
            painter.fillRect(QRectF(8.5 + col * 4, 18 + row * 4, 3, 2.5), key);
        }
}

void paintFolder(QPainter &painter)
{
    const QColor outline(120, 80, 0);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(QColor(230, 170, 40));
    painter.drawPolygon(QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {8, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
    painter.setBrush(QColor(255, 215, 90));
    painter.drawPolygon(QPolygonF({{4, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
}

void paintFloppy(QPainter &painter)
{
    painter.setPen(QPen(QColor(10, 20, 60), 1));
    painter.setBrush(QColor(40, 70, 160));
    painter.drawPolygon(QPolygonF({{1.5, 1.5}, {13, 1.5}, {14.5, 3}, {14.5, 14.5}, {1.5, 14.5}}));
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(4, 2, 8, 5), QColor(200, 205, 215)); // shutter
    painter.fillRect(QRectF(9, 3, 2, 3), QColor(40, 70, 160));
    painter.fillRect(QRectF(3.5, 9, 9, 5), Qt::white); // label
    painter.fillRect(QRectF(4.5, 10.5, 7, 0.8), QColor(150, 150, 170));
    painter.fillRect(QRectF(4.5, 12.2, 5, 0.8), QColor(150, 150, 170));
}

void paintPrinter(QPainter &painter)
{
    const QPen outline(QColor(60, 60, 60), 1);
    painter.setPen(outline);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 6)); // sheet going in
    painter.setBrush(QColor(175, 175, 180));
    painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 10.5, 7, 4)); // sheet coming out
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(12, 8, 1.5, 1.5), QColor(40, 200, 60)); // power light
    painter.fillRect(QRectF(5.5, 12, 5, 0.8), QColor(90, 90, 90));
}

void paintQuestion(QPainter &painter)
{
    painter.setPen(QPen(QColor(10, 40, 120), 1));
    painter.setBrush(QColor(40, 110, 220));
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font;
    font.setBold(true);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 16, 16.5), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

namespace {

// An icon made the first time it is drawn, not when the widget that shows it is made: the
// window appears sooner. Sizes given beforehand are answered without making it (a toolbar's
// layout asks them); without them, asking a size makes the icon.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(std::function<QIcon()> make, QList<QSize> sizes)
        : m_make(std::move(make)), m_sizes(std::move(sizes))
    {
    }

    QIconEngine *clone() const override { return new DeferredIconEngine(m_make, m_sizes); }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (m_sizes.isEmpty())
            return made().actualSize(size, mode, state);
        // The largest rendering that fits, as a QIcon of the renderings answers.
        QSize fitting = m_sizes.front();
        for (const QSize &each : m_sizes)
            if (each.width() <= size.width() && each.height() <= size.height())
                fitting = each;
        return fitting;
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_sizes.isEmpty() ? made().availableSizes(mode, state) : m_sizes;
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().pixmap(size, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    QIcon &made()
    {
        if (m_made.isNull())
            m_made = m_make();
        return m_made;
    }
    std::function<QIcon()> m_make;
    QList<QSize> m_sizes;
    QIcon m_made;
};

// A toolbar icon, drawn when first shown (the question mark's text alone wants the fonts
// ready), at 16, 24 and 32 screen pixels.
QIcon toolbarIcon(Painting paint)
{
    const QList<QSize> sizes{{16, 16}, {24, 24}, {32, 32}};
    return QIcon(new DeferredIconEngine([paint = std::move(paint)] { return drawnIcon(paint, {16, 24, 32}); }, sizes));
}

} // namespace

QIcon deferredIcon(std::function<QIcon()> make) { return QIcon(new DeferredIconEngine(std::move(make), {})); }

QIcon openIcon() { return toolbarIcon(paintFolder); }
QIcon saveIcon() { return toolbarIcon(paintFloppy); }
QIcon printIcon() { return toolbarIcon(paintPrinter); }
QIcon helpIcon() { return toolbarIcon(paintQuestion); }

QPixmap aboutIcon() { return drawnIcon(paintCalculator, {32}, 32).pixmap(32, 32); }
QIcon appIcon() { return drawnIcon(paintCalculator, {16, 32, 48}, 32); }

QPixmap aboutPicture()
{
    QPixmap picture(100, 83);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCaseColour);
    painter.drawRoundedRect(QRectF(2, 2, 96, 100), 10, 10); // the case runs on below the picture
    painter.setBrush(QColor(90, 96, 110));
    painter.drawRoundedRect(QRectF(8, 7, 84, 58), 4, 4); // bezel
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(12, 11, 76, 50), kLcdColour);
    plotDots(painter, kLark, QPointF(26, 18), 2, kLcdInk);
    painter.fillRect(QRect(16, 48, 68, 2), kLcdInk); // the ground the lark stands on
    for (int col = 0; col < 5; ++col)
        painter.fillRect(QRect(12 + col * 16, 70, 12, 6), col == 0 ? QColor(80, 150, 230) : QColor(205, 205, 210));
    return picture;
}
