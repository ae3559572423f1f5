#include "calc/DocumentWords.h"

#include <QCoreApplication>

QString groupReason(GroupError error, int entry, const QString &entryName)
{
    const QString which = entryName.isEmpty() ? QCoreApplication::translate("GroupFile", "Entry %1").arg(entry + 1)
                                              : QCoreApplication::translate("GroupFile", "Entry %1 (%2)").arg(QString::number(entry + 1), entryName);
    switch (error) {
    case GroupError::None:
        return {};
    case GroupError::TooShort:
        return QCoreApplication::translate("GroupFile", "The file is too short to be a calculator group: it has no complete 60-byte header.");
    case GroupError::NotGroup:
        return QCoreApplication::translate("GroupFile", "The file is not a calculator group (.89g, .92g, .9xg or .v2g).");
    case GroupError::TablePastEnd:
        return QCoreApplication::translate("GroupFile", "The group's table of entries runs past the end of the file.");
    case GroupError::OffsetOutside:
        return QCoreApplication::translate("GroupFile", "%1 of the group has its data outside the file.").arg(which);
    case GroupError::CountDoesNotFit:
        return QCoreApplication::translate("GroupFile", "%1 of the group is a folder of more variables than follow it.").arg(which);
    case GroupError::LengthPastSlot:
        return QCoreApplication::translate("GroupFile", "%1 of the group is longer than its place in the file.").arg(which);
    case GroupError::TooLarge:
        return QCoreApplication::translate("GroupFile", "The group is too large for a group file.");
    case GroupError::TooManyEntries:
        return QCoreApplication::translate("GroupFile", "The group has more than 65,535 entries (variables and folders), the most a group file holds.");
    }
    return QCoreApplication::translate("GroupFile", "Unknown error.");
}

QString recoveryReason(RecoveryError error)
{
    switch (error) {
    case RecoveryError::None:
        return QCoreApplication::translate("RecoveryCopy", "No error.");
    case RecoveryError::NotACopy:
        return QCoreApplication::translate("RecoveryCopy", "It is not a recovery copy.");
    case RecoveryError::OtherVersion:
        return QCoreApplication::translate("RecoveryCopy", "It was written by another version of the editor.");
    case RecoveryError::Truncated:
        return QCoreApplication::translate("RecoveryCopy", "It ends before its picture does.");
    case RecoveryError::BadField:
        return QCoreApplication::translate("RecoveryCopy", "Its picture size, levels, calculator or texts are out of range.");
    case RecoveryError::BadLevel:
        return QCoreApplication::translate("RecoveryCopy", "It holds pixels beyond the picture's levels.");
    case RecoveryError::Checksum:
        return QCoreApplication::translate("RecoveryCopy", "Its checksum does not match: the file is damaged.");
    case RecoveryError::TrailingBytes:
        return QCoreApplication::translate("RecoveryCopy", "It has bytes after the end of the copy.");
    }
    return QCoreApplication::translate("RecoveryCopy", "Unknown error.");
}

QString spriteReason(SpriteError error, int width, SpriteWidth rows)
{
    switch (error) {
    case SpriteError::None:
        return {};
    case SpriteError::Empty:
        return QCoreApplication::translate("SpriteSource", "there are no pixels to write");
    case SpriteError::TooWide:
        return QCoreApplication::translate("SpriteSource", "the picture is %1 pixels wide, wider than rows of %2 pixels "
                                                           "(rows of bytes for SpriteX8 take any width)")
            .arg(width)
            .arg(pixelsPerElement(rows));
    case SpriteError::NotWholeTiles:
    case SpriteError::TooManyNames:
        break;
    }
    return {};
}

QString sheetReason(SpriteError error, int width, int height, const TileSheet &sheet, SpriteWidth rows)
{
    switch (error) {
    case SpriteError::NotWholeTiles:
        return QCoreApplication::translate("SpriteSource", "the picture is %1 x %2 pixels, not a whole number of tiles of %3 x %4")
            .arg(width)
            .arg(height)
            .arg(sheet.tileWidth)
            .arg(sheet.tileHeight);
    case SpriteError::TooManyNames:
        return QCoreApplication::translate("SpriteSource", "%1 names for %2 tiles")
            .arg(sheet.names.size())
            .arg(sheet.tileWidth > 0 && sheet.tileHeight > 0 ? (width / sheet.tileWidth) * (height / sheet.tileHeight) : 0);
    case SpriteError::TooWide:
        return QCoreApplication::translate("SpriteSource", "the tiles are %1 pixels wide, wider than rows of %2 pixels")
            .arg(sheet.tileWidth)
            .arg(pixelsPerElement(rows));
    default:
        return spriteReason(error, width, rows);
    }
}
