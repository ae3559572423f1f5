#include "PictureTransforms.h"

#include "ToolSupport.h"
#include "document/PictureOps.h"

#include <QRegularExpression>

using namespace PictureOps;

const QString kTransformSynopsis =
    QStringLiteral(" [--canvas WxH[+ANCHOR]] [--flip h|v] [--rotate 90|180|270] [--invert]");

namespace {
// The anchors of --canvas, in the order of PictureOps::Anchor.
const QStringList kAnchors{"tl", "t", "tr", "l", "c", "r", "bl", "b", "br"};

bool refuseValue(const QString &option, const QString &wanted, const QString &given)
{
    usageError(Convert::tr("%1 takes %2, not \"%3\"").arg(option, wanted, given));
    return false;
}

bool resizeCanvas(const QString &value, CalcPicture &picture)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})(?:\\+([a-z]+))?$"));
    const QRegularExpressionMatch match = pattern.match(value);
    const int width = match.captured(1).toInt(), height = match.captured(2).toInt();
    const qsizetype anchor = match.captured(3).isEmpty() ? 0 : kAnchors.indexOf(match.captured(3));
    if (!match.hasMatch() || width < 1 || height < 1 || anchor < 0
        || checkWritableSize(width, height) != Picture89iError::None)
        return refuseValue(QStringLiteral("--canvas"),
                           Convert::tr("WIDTHxHEIGHT of a picture the calculator can hold, then +tl, +t, +tr, +l, "
                                          "+c, +r, +bl, +b or +br"),
                           value);
    picture.pixels = resized(picture.pixels, picture.width, picture.height, width, height, static_cast<Anchor>(anchor));
    picture.width = width;
    picture.height = height;
    return true;
}
} // namespace

OptionTable transformOptions(bool scale)
{
    OptionTable table{
        {"--canvas", "WxH[+A]", Convert::tr("canvas size; A where the picture stays: tl (default), t, tr, l, c, r, bl, b, br")},
        {"--flip", "h|v", Convert::tr("flip left to right (h) or top to bottom (v)")},
        {"--rotate", "90|180|270", Convert::tr("rotate clockwise by so many degrees")},
        {"--invert", {}, Convert::tr("swap black and white")},
    };
    if (scale)
        table.push_back({"--scale", "N", Convert::tr("1..16: each pixel a square of N x N (default 1)")});
    return table;
}

bool transformPicture(const Invocation &call, CalcPicture &picture)
{
    if (call.has("--canvas") && !resizeCanvas(call.value("--canvas"), picture))
        return false;
    if (call.has("--flip")) {
        const QString axis = call.value("--flip");
        if (axis != u"h" && axis != u"v")
            return refuseValue(QStringLiteral("--flip"), Convert::tr("h or v"), axis);
        picture.pixels = flipped(picture.pixels, picture.width, picture.height, axis == u"h" ? Axis::Horizontal : Axis::Vertical);
    }
    if (call.has("--rotate")) {
        const QString degrees = call.value("--rotate");
        static const QMap<QString, Turn> kTurns{{"90", Turn::Right}, {"180", Turn::Half}, {"270", Turn::Left}};
        if (!kTurns.contains(degrees))
            return refuseValue(QStringLiteral("--rotate"), Convert::tr("90, 180 or 270"), degrees);
        picture.pixels = rotated(picture.pixels, picture.width, picture.height, kTurns[degrees]);
        if (kTurns[degrees] != Turn::Half)
            std::swap(picture.width, picture.height);
    }
    if (call.has("--invert"))
        picture.pixels = inverted(picture.pixels, picture.width, picture.height);
    return true;
}

std::optional<int> scaleOption(const Invocation &call)
{
    if (!call.has("--scale"))
        return 1;
    bool number = false;
    const int scale = call.value("--scale").toInt(&number);
    if (!number || scale < 1 || scale > 16) {
        refuseValue(QStringLiteral("--scale"), Convert::tr("a whole number from 1 to 16"), call.value("--scale"));
        return std::nullopt;
    }
    return scale;
}
