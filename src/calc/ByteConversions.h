#pragma once

#include <QByteArray>
#include <cstdint>
#include <span>
#include <vector>

// Between Qt's byte arrays (files) and the plain bytes the file codec works on.
inline std::span<const uint8_t> asBytes(const QByteArray &data)
{
    return {reinterpret_cast<const uint8_t *>(data.constData()), static_cast<size_t>(data.size())};
}

inline QByteArray asByteArray(const std::vector<uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}
