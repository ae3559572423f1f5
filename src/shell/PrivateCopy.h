#pragma once

#include "document/CalcKind.h"
#include "document/Picture89i.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

class FileSession;
class FileStore;

// The session's picture as a picture file of `kind`, named after the variable, in a private
// temporary folder that lives as long as the copy: what goes to the calculator is what the
// window shows, and the user's file is not written behind their back.
struct PrivateCopy
{
    Q_DECLARE_TR_FUNCTIONS(PrivateCopy)

public:
    std::shared_ptr<void> folder; // removed with its last holder
    QString path;
    QString failure; // why there is no copy, as the user reads it; empty when there is one

    static PrivateCopy write(FileStore &files, const FileSession &session, const QString &variable, CalcKind kind);
    // Bytes already encoded (one plane of a grey picture); an encoding error is the failure.
    static PrivateCopy write(FileStore &files, const EncodeResult &encoded, const QString &variable, CalcKind kind);
};
