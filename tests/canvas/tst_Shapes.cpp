#include "canvas/Shapes.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QTest>

#include <utility>

using Points = QList<QPoint>;
Q_DECLARE_METATYPE(ShapeDrag)
Q_DECLARE_METATYPE(Tool)

namespace {

// Everything a shape plotted, in order, and whether it could be drawn.
struct Run
{
    Points points;
    bool drawn = false;
};

// The Pen runs its segment from the drag's start to its end (whole pixels).
Run run(Tool tool, const ShapeDrag &drag)
{
    Run r;
    const PlotFn plot = [&](int x, int y) { r.points.append(QPoint(x, y)); };
    if (tool == Tool::Pen)
        r.drawn = rasterisePenSegment(drag.StartX, drag.StartY, int(drag.EndX), int(drag.EndY), plot);
    else
        r.drawn = rasteriseShape(tool, drag, plot);
    return r;
}

// The plotted pixels drawn as rows of '#' and '.', columns 0..width-1 and rows 0..height-1;
// anything plotted outside that window fails the comparison through an extra "outside" row.
QStringList grid(const Points &points, int width, int height)
{
    QStringList rows(height, QString(width, QLatin1Char('.')));
    bool outside = false;
    for (const QPoint &p : points) {
        if (p.x() < 0 || p.y() < 0 || p.x() >= width || p.y() >= height)
            outside = true;
        else
            rows[p.y()][p.x()] = QLatin1Char('#');
    }
    if (outside)
        rows << QStringLiteral("outside");
    return rows;
}

ShapeDrag drag(float sx, float sy, float ex, float ey, double radius = 0)
{
    return ShapeDrag{sx, sy, ex, ey, radius};
}

} // namespace

class tst_Shapes : public QObject
{
    Q_OBJECT
private slots:
    // Shapes whose every pixel is known, as small pictures.
    void pictures_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<ShapeDrag>("drag");
        QTest::addColumn<QStringList>("picture");
        const QStringList box{"........", "........", "........", "........", "..####..",
                              "..#..#..", "..#..#..", "..####.."};
        const QStringList bar{"........", "........", "........", "........", "........",
                              "..#####.", "..#####.", "..#####."};
        QTest::newRow("box rounds corners down") << Tool::Box << drag(2.3f, 4.9f, 5.8f, 7.1f) << box;
        QTest::newRow("box dragged backwards") << Tool::WhBox << drag(5.8f, 7.1f, 2.3f, 4.9f) << box;
        QTest::newRow("bar rounds corners to nearest") << Tool::Bar << drag(2.3f, 4.9f, 5.8f, 7.1f) << bar;
        QTest::newRow("bar dragged backwards") << Tool::WhBar << drag(5.8f, 7.1f, 2.3f, 4.9f) << bar;
        QTest::newRow("bar halves go to even")
            << Tool::Bar << drag(1.5f, 0.5f, 2.5f, 2.5f) << QStringList{"..#", "..#", "..#"};
        QTest::newRow("box on the press's row")
            << Tool::Box << drag(1.7f, 1.2f, 4.1f, 1.2f) << QStringList{".....", ".####", "....."};
        QTest::newRow("box on the press's column")
            << Tool::Box << drag(1.7f, 0.2f, 1.7f, 2.9f) << QStringList{".#", ".#", ".#"};
        QTest::newRow("bar on the press's column")
            << Tool::Bar << drag(1.7f, 0.2f, 1.7f, 2.9f) << QStringList{"..#", "..#", "..#", "..#"};
        QTest::newRow("bar on the press's row")
            << Tool::Bar << drag(0.2f, 1.2f, 2.9f, 1.2f) << QStringList{"....", "####", "...."};
        QTest::newRow("bar on the press itself")
            << Tool::WhBar << drag(1.2f, 1.2f, 1.2f, 1.2f) << QStringList{"..", ".#"};
        QTest::newRow("box on the press itself")
            << Tool::Box << drag(1.2f, 1.2f, 1.2f, 1.2f) << QStringList{"..", ".."};
        // Radius 3 around (5, 5): six samples per quarter (t = 0 .. 1.333), worked by hand.
        // Rounding down makes the right and bottom sides land one pixel in from the left
        // and top ones; the only sample on the horizontal axis reaches column 8.
        QTest::newRow("circle radius 3")
            << Tool::Circle << drag(5, 5, 0, 0, 3.0)
            << QStringList{"..........", "..........", "..######..", "..#....#..",
                           "..#....#..", "..#....##.", "..#....#..", "..######..",
                           ".........."};
    }
    void pictures()
    {
        QFETCH(Tool, tool);
        QFETCH(ShapeDrag, drag);
        QFETCH(QStringList, picture);
        const Run r = run(tool, drag);
        QVERIFY(r.drawn);
        QCOMPARE(grid(r.points, picture.first().size(), picture.size()), picture);
    }

    // Lines and pen segments are compared pixel by pixel in plotting order, duplicates
    // included. Pixels outside the picture are the plot callback's to drop. What cannot be
    // drawn (a line ending on its start, a pen segment to its own point, a circle or
    // ellipse of radius 0, a tool that is no shape) reports it and plots nothing.
    void segments_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<ShapeDrag>("drag");
        QTest::addColumn<Points>("pixels");
        QTest::newRow("slope 0.4 steps along x")
            << Tool::Line << drag(0.5f, 0.5f, 10.5f, 4.5f)
            << Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2},
                      {6, 2}, {7, 3}, {8, 3}, {9, 4}, {10, 4}};
        QTest::newRow("slope -1 steps along y from the press")
            << Tool::Line << drag(0.25f, 5.75f, 5.25f, 0.75f)
            << Points{{0, 5}, {1, 4}, {2, 3}, {3, 2}, {4, 1}, {5, 0}};
        QTest::newRow("steep steps along y")
            << Tool::Line << drag(0.5f, 0.5f, 2.5f, 6.5f)
            << Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 5}, {2, 6}};
        // The counter keeps the press's fraction and stops once past the end.
        QTest::newRow("fractional start, leftwards")
            << Tool::Line << drag(3.7f, 1.0f, 0.2f, 1.0f) << Points{{3, 1}, {2, 1}, {1, 1}, {0, 1}};
        QTest::newRow("end not reached by whole steps")
            << Tool::Line << drag(0.7f, 0.0f, 3.2f, 0.0f) << Points{{0, 0}, {1, 0}, {2, 0}};
        QTest::newRow("vertical upwards")
            << Tool::Line << drag(2.9f, 3.5f, 2.9f, 0.6f) << Points{{2, 3}, {2, 2}, {2, 1}};
        QTest::newRow("negative positions round down")
            << Tool::Line << drag(-0.5f, -0.5f, 1.5f, -0.5f) << Points{{-1, -1}, {0, -1}, {1, -1}};
        // The pen's first segment starts at the unrounded press; its last column is left
        // for the next segment. At exactly 45 degrees the pen steps along x.
        QTest::newRow("pen from the press")
            << Tool::Pen << drag(10.7f, 3.2f, 14, 3) << Points{{10, 3}, {11, 3}, {12, 3}, {13, 3}};
        QTest::newRow("pen at 45 degrees") << Tool::Pen << drag(2, 2, 5, 5) << Points{{2, 2}, {3, 3}, {4, 4}, {5, 5}};
        QTest::newRow("pen steep") << Tool::Pen << drag(1, 1, 2, 4) << Points{{1, 1}, {1, 2}, {1, 3}, {2, 4}};
        QTest::newRow("pen vertical up") << Tool::Pen << drag(4, 4, 4, 1) << Points{{4, 4}, {4, 3}, {4, 2}, {4, 1}};
        QTest::newRow("pen leftwards") << Tool::Pen << drag(3, 0, 0, 0) << Points{{3, 0}, {2, 0}, {1, 0}, {0, 0}};
        QTest::newRow("pen off the edge") << Tool::Pen << drag(1, 1, -2, 1) << Points{{1, 1}, {0, 1}, {-1, 1}, {-2, 1}};
        QTest::newRow("zero-length line") << Tool::Line << drag(4.5f, 2.5f, 4.5f, 2.5f) << Points{};
        QTest::newRow("zero-length white line") << Tool::WhLine << drag(0, 0, 0, 0) << Points{};
        QTest::newRow("pen on its own point") << Tool::Pen << drag(3, 3, 3, 3) << Points{};
        QTest::newRow("circle of radius 0") << Tool::Circle << drag(4, 4, 9, 9, 0) << Points{};
        QTest::newRow("ellipse of radius 0") << Tool::WhEllipse << drag(4, 4, 9, 6, 0) << Points{};
        QTest::newRow("erase is no shape") << Tool::Erase << drag(0, 0, 5, 5, 3) << Points{};
        QTest::newRow("no tool of that number") << static_cast<Tool>(13) << drag(0, 0, 5, 5, 3) << Points{};
    }
    void segments()
    {
        QFETCH(Tool, tool);
        QFETCH(ShapeDrag, drag);
        QFETCH(Points, pixels);
        const Run r = run(tool, drag);
        QCOMPARE(r.drawn, !pixels.isEmpty());
        QCOMPARE(r.points, pixels);
    }

    void ellipseGeometry_data()
    {
        QTest::addColumn<ShapeDrag>("drag");
        QTest::addColumn<float>("aspect");
        QTest::addColumn<double>("horizontal");
        QTest::addColumn<double>("vertical");
        QTest::newRow("wide") << drag(50, 30, 70, 40) << 0.5f << 22.3607 << 11.1803;
        QTest::newRow("tall, dragged up-left") << drag(50, 30, 45, 10) << 4.0f << 5.1539 << 20.6155;
        QTest::newRow("diagonal is a circle") << drag(50, 30, 53, 33) << 1.0f << 4.2426 << 4.2426;
        QTest::newRow("on the press's column") << drag(50.5f, 30, 50.5f, 40) << 1000.0f << 0.0100125
                                               << 10.0125;
    }
    void ellipseGeometry()
    {
        QFETCH(ShapeDrag, drag);
        QFETCH(float, aspect);
        QFETCH(double, horizontal);
        QFETCH(double, vertical);
        const float a = ellipseAspect(drag.StartX, drag.StartY, drag.EndX, drag.EndY);
        QCOMPARE(a, aspect);
        const double radius = shapeRadius(drag.StartX, drag.StartY, int(std::floor(drag.EndX)),
                                          int(std::floor(drag.EndY)));
        const EllipseRadii radii = ellipseRadii(radius, a);
        QVERIFY2(std::abs(radii.horizontal - horizontal) < 1e-3, qPrintable(QString::number(radii.horizontal)));
        QVERIFY2(std::abs(radii.vertical - vertical) < 1e-3, qPrintable(QString::number(radii.vertical)));
    }

    // Circles and ellipses too large to draw as pictures: how far they reach (smallest
    // rectangle around the plotted pixels) and how many samples they take per quarter.
    void extents_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<ShapeDrag>("drag");
        QTest::addColumn<QRect>("reach");
        QTest::addColumn<int>("samples");
        // t = 0, 0.08, ..., 1.52; side points 10 columns off, top and bottom
        // 1.01 * 10 * sin(1.52) = 10.09 rows off (row 49 only thanks to the 1.01).
        QTest::newRow("circle of radius 10")
            << Tool::Circle << drag(80.5f, 38.95f, 0, 0, 10.0) << QRect(QPoint(70, 28), QPoint(90, 49)) << 20;
        // Aspect 0.5, radius Sqr(500): 22.36 across, 11.18 * sin(last sample) up and down.
        QTest::newRow("ellipse from (50, 30) to (70, 40)")
            << Tool::Ellipse << drag(50, 30, 70, 40, std::sqrt(500.0)) << QRect(QPoint(27, 18), QPoint(72, 41))
            << 44;
        // Aspect 1000: a vertical stroke about two radii long through the centre.
        QTest::newRow("ellipse on the press's column")
            << Tool::WhEllipse << drag(50.5f, 30, 50.5f, 40, 10.0) << QRect(QPoint(50, 20), QPoint(50, 39))
            << 20;
    }
    void extents()
    {
        QFETCH(Tool, tool);
        QFETCH(ShapeDrag, drag);
        QFETCH(QRect, reach);
        QFETCH(int, samples);
        const Run r = run(tool, drag);
        QVERIFY(r.drawn);
        QCOMPARE(r.points.size(), 4 * samples);
        QRect plotted;
        for (const QPoint &p : r.points)
            plotted |= QRect(p, QSize(1, 1));
        QCOMPARE(plotted, reach);
    }
};

QTEST_GUILESS_MAIN(tst_Shapes)
#include "tst_Shapes.moc"
