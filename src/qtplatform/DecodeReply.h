#pragma once

#include "platform/PictureLoader.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// What dotlark-decode sends back (see DecodeProtocol), gathered as it arrives. The picture's
// size is checked against QtPictureLoader's limits before anything is reserved for it,
// and nothing beyond what the header announced is taken.
class DecodeReply
{
public:
    // Takes what `from` has to read; refused, telling why, when the helper sends what no
    // answer holds and must be stopped. The failures name no file.
    Done readFrom(QIODevice &from);
    // Once the helper has ended by itself with `exitCode`: the picture, or why there is
    // none (the helper's own reason when it sent one).
    Outcome<LoadedPicture> picture(int exitCode);

private:
    Done readHeader();

    QByteArray m_bytes;
    qsizetype m_expected = -1; // the whole reply's length, once the header tells it
};
