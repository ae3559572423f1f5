#include "pagesetup/PreviewGeometry.h"

namespace {

// The bottom edge in double precision: the single-precision aspect is widened, not the
// width narrowed.
double bottom(double top, double width, float aspect) { return top + static_cast<double>(aspect) * width; }

} // namespace

QRectF previewPictureRect(double top, double left, double width, float aspect)
{
    return QRectF(QPointF(left, top), QPointF(left + width, bottom(top, width, aspect)));
}

QLineF previewMarkerLine(double top, double left, double width, float aspect, double offset)
{
    const double y = bottom(top, width, aspect) + offset;
    return QLineF(left, y, left + 2, y);
}
