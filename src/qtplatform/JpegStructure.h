#pragma once

#include <QByteArray>
#include <QSize>

// What QtPictureLoader needs to know of a JPEG beyond what Qt's reader tells.

// The scaled size to ask of a JPEG reader: the picture divided by the largest of 8, 4 and 2
// that keeps it covering `cover`, rounded down so that the reader's own choice of DCT
// scaling (the whole part of full / asked) is that same divisor. Empty: read at full size.
QSize jpegScaledSize(QSize full, QSize cover);

// Whether a JPEG's data stops before its end-of-image marker (FF D9): a file cut short,
// which libjpeg fills out with grey without failing.
bool jpegCutShort(const QByteArray &bytes);

// The bytes libjpeg keeps for a JPEG's coefficients, all at once, when its data comes in more
// than one scan (progressive, or components scanned apart), whatever size it is decoded at;
// 0 for data decoded in one pass, or a JPEG too damaged to tell.
qint64 jpegCoefficientBytes(const QByteArray &bytes);
