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
    // Takes what `from` has to read; false, with problem() telling why, when the helper
    // sends what no answer holds and must be stopped.
    bool readFrom(QIODevice &from);
    // Once the helper has ended by itself with `exitCode`: the picture, or nothing, with
    // problem() telling why (the helper's own reason when it sent one).
    std::optional<LoadedPicture> picture(int exitCode);
    const QString &problem() const { return m_problem; }

private:
    bool readHeader();
    bool fail(const QString &problem);

    QByteArray m_bytes;
    qsizetype m_expected = -1; // the whole reply's length, once the header tells it
    QString m_problem;
};
