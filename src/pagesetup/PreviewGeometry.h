#pragma once

#include <QLineF>
#include <QRectF>

// Where the page preview draws, in inches of a Letter page (x 0..8.5 from the left edge,
// y 0..11 from the top edge). aspect is the picture's height / width in pixels.

constexpr double kLetterWidthInches = 8.5;
constexpr double kLetterHeightInches = 11;

// The picture's outline: from (left, top) to (left + width, top + aspect * width).
QRectF previewPictureRect(double top, double left, double width, float aspect);

// A 2-inch line standing for a printed text line, offset inches below the picture's
// bottom edge.
QLineF previewMarkerLine(double top, double left, double width, float aspect, double offset);
