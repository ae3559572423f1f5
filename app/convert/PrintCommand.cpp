#include "PrintCommand.h"

#include "calc/CalcCharset.h"
#include "platform/FailureText.h"
#include "printing/PrintJob.h"
#include "printing/PrintToPdf.h"
#include "qtplatform/QtPdfPage.h"

#include <QFileInfo>
#include <cmath>
#include <limits>

namespace {

// A length option, its least allowed value in inches and the field it sets.
struct LengthOption
{
    const char *name;
    double least;
    double PageSetup::*field;
};

constexpr LengthOption kLengths[] = {
    {"--top", 0, &PageSetup::top},
    {"--left", 0, &PageSetup::left},
    {"--width", 0.1, &PageSetup::width},
};

struct SetupResult
{
    std::optional<PageSetup> setup;
    QString error; // why the options give no page setup, when setup is empty
};

// The page setup: the start-up values of File > Print with the options applied. Lengths
// must be plain finite numbers ("1", "0.75", "2e-1"); nothing is guessed from "1in".
SetupResult pageSetupFrom(const Invocation &call)
{
    PageSetup setup;
    for (const LengthOption &length : kLengths) {
        if (!call.has(length.name))
            continue;
        const QString text = call.value(length.name);
        bool ok = false;
        const double inches = text.toDouble(&ok);
        if (!ok || !std::isfinite(inches))
            return {std::nullopt, Convert::tr("%1 takes a number of inches, not \"%2\"").arg(length.name, text)};
        if (inches < length.least)
            return {std::nullopt, Convert::tr("%1 must be at least %2 inches, not %3")
                                      .arg(length.name, QString::number(length.least), text)};
        setup.*length.field = inches;
    }
    setup.fileInfo = call.has("--fileinfo");
    setup.comment = call.has("--comment");
    return {setup, {}};
}

// What the main window would hand the print job for this file, just opened.
PrintInput printInputFrom(const CalcPicture &picture, const QString &path)
{
    PrintInput input;
    input.width = picture.width;
    input.height = picture.height;
    input.pixels = picture.pixels;
    input.fileTitle = QFileInfo(path).fileName();
    input.folder = CalcCharset::toUnicode(picture.folder);
    input.variable = CalcCharset::toUnicode(picture.name);
    input.comment = CalcCharset::toUnicode(picture.comment);
    return input;
}

// An inch figure for a message: a few digits, and no "inf" for a sum beyond range.
QString inchesText(double inches)
{
    if (!std::isfinite(inches))
        return Convert::tr("more than %1 inches").arg(std::numeric_limits<double>::max(), 0, 'g', 2);
    return Convert::tr("%1 inches").arg(inches, 0, 'g', 6);
}

// Why some pixels of the picture would not be on the page at all (the PDF would show it
// cut, or blank); empty when every pixel starts on it, and for a picture under 2 columns,
// which has no pitch. Names the options that place that edge, with their values.
QString offPageReason(const CalcPicture &picture, const PageSetup &setup)
{
    const QRectF corners = pixelCornersInches(picture.width, picture.height, setup);
    const QSizeF page = QtPdfPage::pageInches();
    const auto value = [](double inches) { return QString::number(inches, 'g', 15); };
    if (!(corners.right() < page.width()))
        return Convert::tr("--left %1 and --width %2 put the picture off the page: its last column would start %3 "
                              "from the page's left edge, and the page is %4 wide")
            .arg(value(setup.left), value(setup.width), inchesText(corners.right()), inchesText(page.width()));
    if (!(corners.bottom() < page.height()))
        return Convert::tr("--top %1 and --width %2 put the picture off the page: its last row would start %3 "
                              "from the page's top edge, and the page is %4 tall")
            .arg(value(setup.top), value(setup.width), inchesText(corners.bottom()), inchesText(page.height()));
    return {};
}

} // namespace

int printPdf(Context &context)
{
    const QString out = context.call.value("--print-pdf");
    const QString &in = context.call.files[0];
    if (suffixOf(out) != u"pdf")
        return usageError(Convert::tr("the --print-pdf output must end in .pdf"));
    const SetupResult setup = pageSetupFrom(context.call);
    if (!setup.setup)
        return usageError(setup.error);
    const std::optional<CalcPicture> picture = readPicture(context.files, in);
    if (!picture)
        return kExitRefused;
    if (const QString offPage = offPageReason(*picture, *setup.setup); !offPage.isEmpty())
        return usageError(offPage);
    const PrintInput input = printInputFrom(*picture, in);
    QtPdfPage page;
    OutputFiles outputs(context); // the PDF too is written only over what was there at the start
    const Done printed = printToPdf(page, outputs, out, input, *setup.setup);
    if (printed)
        return kExitOk;
    // The print job ends without a page when one pixel column leaves no pitch to spread
    // the width over; otherwise the PDF could not be saved.
    if (input.width < 2)
        return refuse(in, Convert::tr("cannot be printed: a picture must be at least 2 pixels wide"));
    if (printed.failure().what == Failure::What::NoPage)
        return refuse(out, Convert::tr("cannot be written"));
    return refuse(out, Convert::tr("cannot be written: %1").arg(describe(printed.failure())));
}
