#pragma once

#include "import/ScaledImport.h"

#include <QImage>
#include <QRect>
#include <QRectF>

// Area averaging in linear light for the scaled import: each destination pixel the mean of
// the source pixels it covers, weighted by the share of each it covers.

// `planes` made width x height, every value 0.
void allocatePlanes(ScaleSource::Planes &planes, int width, int height);

// The pixels `region` of `picture` (in its own pixels, within it), composed over white and in
// linear light, area-averaged onto width x height as the picture is read. A row at a time
// goes into the result, and a picture in another format than ARGB32 or RGB32 is converted a
// piece of a row at a time: besides the result, this holds one row of it and 256 KB.
ScaleSource::Planes averagedPlanes(const QImage &picture, const QRect &region, int width, int height);

// The region `source` of `in` (in its pixels, fractions allowed) area-averaged onto
// width x height. Only the pixels the region draws on are read, and the pass that leaves the
// smaller picture between the two goes first.
ScaleSource::Planes resampled(const ScaleSource::Planes &in, const QRectF &source, int width, int height);
