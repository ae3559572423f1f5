#pragma once

#include "document/CalcKind.h"

#include <QString>

// The file-name tests of the file commands. Both look at the last three characters only and
// ignore case, so "pic.89I" and even "pic89i" count as pictures, as do the other calculators'
// endings 92i, 9xi and v2i.
inline bool hasPictureEnding(const QString &path) { return kindFromEnding(path.right(3).toStdString()).has_value(); }
inline bool hasBitmapEnding(const QString &path) { return path.right(3).toLower() == QStringLiteral("bmp"); }
// C source, a header or a source file, where sprites are kept as arrays: ".h" or ".c", any case.
inline bool isSourcePath(const QString &path)
{
    const QString ending = path.right(2).toLower();
    return ending == QStringLiteral(".h") || ending == QStringLiteral(".c");
}

// The name without its folders: the text after the last separator, or the whole path.
QString baseName(const QString &path);

// The path from the root, without "." and ".." steps or doubled separators: how the editor
// keeps the files it knows, so that the same file has the same name from any folder. A
// relative path is taken from the program's current folder.
QString absoluteCleanPath(const QString &path);
