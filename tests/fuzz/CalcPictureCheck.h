#pragma once

#include "document/Picture89i.h"

#include <string>

// What a picture read back from a file written from `written` must look like: the same size,
// kind and pixels; each text as it fits its field up to the first zero byte, and no comment
// when the name fills its field.
inline std::string fieldText(const std::string &text, size_t size)
{
    const std::string cut = text.substr(0, size);
    return cut.substr(0, cut.find('\0'));
}

inline bool readsBackAs(const CalcPicture &read, const CalcPicture &written)
{
    const bool nameFillsField = written.name.size() >= 8 && written.name[7] != '\0';
    return read.width == written.width && read.height == written.height && read.kind == written.kind
           && read.folder == fieldText(written.folder, 8) && read.name == fieldText(written.name, 8)
           && read.comment == (nameFillsField ? std::string() : fieldText(written.comment, 40));
}
