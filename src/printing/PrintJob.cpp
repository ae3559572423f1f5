#include "printing/PrintJob.h"

#include "document/GreyPicture.h"
#include "platform/PrintDialog.h"
#include "platform/PrinterPage.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace {

constexpr double kTwipsPerInch = 1440;

// Where the picture lands, in twips.
struct Placement
{
    double pitch = 0; // one picture pixel, both axes
    double left = 0;  // page x of the picture's left edge
    double top = 0;   // page y of the picture's top edge
};

// The pitch spreads PrtWidth over W - 1 pixels: the first and last columns' left edges lie
// exactly that far apart.
double pitchInches(int width, const PageSetup &setup) { return setup.width / (width - 1); }

// Nothing when the arithmetic has no answer (one column, or numbers beyond range).
std::optional<Placement> place(const PrintInput &input, const PageSetup &setup)
{
    if (input.width < 2 || input.height < 1)
        return std::nullopt;
    const Placement at{kTwipsPerInch * pitchInches(input.width, setup), kTwipsPerInch * setup.left,
                       kTwipsPerInch * setup.top};
    if (!std::isfinite(at.pitch) || !std::isfinite(at.left) || !std::isfinite(at.top))
        return std::nullopt;
    return at;
}

// Every black pixel as a filled square of three quarters of the pitch, row by row. Each
// run of black pixels in a row goes to the page as one row of squares, so the page grows
// with the runs, not with the pixels. A grey picture's pixels print in their greys, as its
// picture export shows them (kGreyShades), each run of one level.
bool drawPixels(PrinterPage &page, const PrintInput &input, const Placement &at)
{
    const auto grey = [](int level) { return QColor(kGreyShades[level], kGreyShades[level], kGreyShades[level]); };
    static const QColor kGreys[] = {grey(0), grey(1), grey(2), grey(3)};
    const double s = at.pitch;
    const auto level = [&input](int x, int y) { return input.grey ? input.pixels.at(x, y) & 3 : (input.pixels.at(x, y) == 1 ? 3 : 0); };
    for (int y = 0; y < input.height; ++y) {
        int x = 0;
        while (x < input.width) {
            const int shade = level(x, y);
            if (shade == 0) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < input.width && level(x, y) == shade)
                ++x;
            if (!page.DrawSquareRow(at.left + first * s, at.top + y * s, x - first, 0.75 * s, s, kGreys[shade]))
                return false;
        }
    }
    return true;
}

// A heavy frame a fifth of a pitch outside the first squares and a quarter pitch plus
// 10 twips beyond the last ones.
bool drawFrame(PrinterPage &page, const PrintInput &input, const Placement &at)
{
    const double s = at.pitch;
    return page.SetPenWidth(5)
        && page.DrawBox(at.left - 0.2 * s, at.top - 0.2 * s, at.left + input.width * s + 10,
                        at.top + input.height * s + 10, Qt::black, false);
}

// The file line and the comment line, starting 14 twips under the frame.
bool drawTextLines(PrinterPage &page, const PrintInput &input, const PageSetup &setup,
                   const Placement &at)
{
    const double textLeft = at.left - 10;
    if (!page.SetTextPos(textLeft, at.top + input.height * at.pitch + 24)
        || !page.SetFont(QStringLiteral("Arial"), 10))
        return false;
    if (setup.fileInfo) {
        if (!input.fileTitle.isEmpty()
            && !page.PrintText(QCoreApplication::translate("PrintJob", "File: %1  ").arg(input.fileTitle), false))
            return false;
        if (!page.PrintText(QCoreApplication::translate("PrintJob", "Folder: %1  Var: %2").arg(input.folder, input.variable),
                            true))
            return false;
    }
    // An ended line starts at the drawing area's edge; the comment lines up with the text.
    if (!page.SetTextX(textLeft))
        return false;
    return !setup.comment || page.PrintText(input.comment, true);
}

} // namespace

bool printPicture(PrinterPage &page, const PrintInput &input, const PageSetup &setup)
{
    const std::optional<Placement> at = place(input, setup);
    return at && drawPixels(page, input, *at) && drawFrame(page, input, *at)
        && drawTextLines(page, input, setup, *at) && page.EndDocument();
}

QRectF pixelCornersInches(int width, int height, const PageSetup &setup)
{
    if (width < 2 || height < 1)
        return {};
    return {setup.left, setup.top, setup.width, (height - 1) * pitchInches(width, setup)};
}

bool runPrintJob(const PrintInput &input, const PageSetup &setup, PrintDialog &dialog)
{
    const std::unique_ptr<PrinterPage> page = dialog.choosePrinter();
    return page && printPicture(*page, input, setup);
}
