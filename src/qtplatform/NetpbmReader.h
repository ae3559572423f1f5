#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads the first picture of a netpbm file the way netpbm's own tools write and read it:
// P1 (plain PBM), P2 (plain PGM), P3 (plain PPM), P4, P5 and P6 (their raw kinds).
//
// - The header is the magic, then width, height and (not for PBM) maxval, separated by any
//   white space; a '#' starts a comment that runs to the end of its line, anywhere in the
//   header. Raw samples start after exactly one white-space character behind the last number.
// - Plain samples are decimal numbers separated by white space and comments; plain PBM bits
//   need no blanks between them ("0110" is four pixels). Line lengths do not matter.
// - maxval is 1 to 65535; raw samples are one byte each below 256, else two (big-endian).
// - Raw PBM rows are padded to whole bytes, the most significant bit first; 1 is black.
//
// The picture comes back as it looks: PBM and PGM as grey levels (0 black, 255 white), PPM as
// RGB, every sample scaled from 0..maxval to 0..255 with rounding. The size the header claims
// is checked against maxPixels and against what the file can still hold before anything is
// allocated, so an absurd or truncated header costs no memory.
class NetpbmReader
{
public:
    // Whether the bytes begin with one of the magics 'P1' to 'P6'.
    static bool recognises(const QByteArray &bytes);

    explicit NetpbmReader(qint64 maxPixels) : m_maxPixels(maxPixels) {}
    // The picture, or NotAPicture with the reason as a phrase for "<file>: <reason>" (the
    // failure names no file: the reader sees only bytes).
    Outcome<QImage> read(const QByteArray &bytes) const;

private:
    qint64 m_maxPixels = 0;
};
