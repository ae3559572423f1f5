#pragma once

#include <QtGlobal>

// dotlark-decode FILE [--cover WxH] [--top-left WxH] reads FILE with that hint of what is
// needed (see LoadHint) and writes on its standard output, all numbers as 32-bit words in
// this machine's byte order (the helper always runs beside its caller):
//   kMagic, then either kPicture (kCutShortPicture: read from a file that ends before its
//   picture does), width, height, the picture's full width and height in its file, and
//   width x height ARGB32 pixels row by row,
//   or kProblem, a length and that many bytes of UTF-8 telling why (possibly none).
namespace DecodeProtocol {
constexpr quint32 kMagic = 0x444b4c44; // "DLKD"
constexpr quint32 kPicture = 1;
constexpr quint32 kProblem = 2;
constexpr quint32 kCutShortPicture = 3;
constexpr quint32 kMaxProblemBytes = 4096;
constexpr int kPictureHeaderBytes = 24;
constexpr char kCoverOption[] = "--cover";
constexpr char kTopLeftOption[] = "--top-left";
// The helper's own limits: address space, processor seconds; it writes no file. Once it has
// read the file, its address space is what it then uses plus the most a reader may take
// for a picture (QtPictureLoader::kMaxDecodedBytes) and kReaderRoomBytes.
constexpr quint64 kAddressSpaceBytes = 1024ull * 1024 * 1024;
constexpr qint64 kReaderRoomBytes = 32ll * 1024 * 1024;
constexpr int kCpuSeconds = 10;
} // namespace DecodeProtocol
