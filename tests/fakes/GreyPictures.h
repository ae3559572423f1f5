#pragma once

#include "document/GreyPicture.h"

#include <QStringList>

// Grey pictures written as rows of text in tests: '.' white, '-' light grey, '+' dark grey,
// '#' black.
inline GreyPicture greyOf(const QStringList &rows)
{
    static const QString levels = QStringLiteral(".-+#");
    GreyPicture picture(rows.isEmpty() ? 0 : int(rows.first().size()), int(rows.size()));
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            picture.setLevel(x, y, static_cast<GreyLevel>(std::max<qsizetype>(0, levels.indexOf(rows[y][x]))));
    return picture;
}

inline QStringList rowsOfGrey(const GreyPicture &picture)
{
    QStringList rows;
    for (int y = 0; y < picture.height; ++y) {
        QString row;
        for (int x = 0; x < picture.width; ++x)
            row += QStringLiteral(".-+#")[int(picture.level(x, y))];
        rows << row;
    }
    return rows;
}
