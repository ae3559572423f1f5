#include "LinkOutput.h"

#include "qtplatform/LinkProtocol.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

std::string field(std::string text)
{
    for (char &c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

void writeLine(const std::string &line)
{
    const std::string whole = line + "\n";
    const char *bytes = whole.data();
    size_t left = whole.size();
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return; // the reader is gone: nobody is left to tell
        bytes += written;
        left -= size_t(written);
    }
}

} // namespace

namespace LinkOutput {

void alive() { writeLine(LinkProtocol::kAlive); }

void calc(const std::string &model, const std::string &how) { line(LinkProtocol::kCalc, {model, how}); }

void line(const char *word, std::initializer_list<std::string> fields)
{
    std::string text = word;
    for (const std::string &f : fields)
        text += "\t" + field(f);
    writeLine(text);
}

void progress(int done, int total)
{
    writeLine(std::string(LinkProtocol::kProgress) + "\t" + std::to_string(done) + "\t" + std::to_string(total));
}

void variable(const std::string &folder, const std::string &name, int type, uint32_t size, int attribute)
{
    char hexType[8];
    std::snprintf(hexType, sizeof hexType, "%02x", unsigned(type) & 0xff);
    writeLine(std::string(LinkProtocol::kVariable) + "\t" + field(folder) + "\t" + field(name) + "\t" + hexType + "\t"
              + std::to_string(size) + "\t" + std::to_string(attribute));
}

void screen(unsigned width, unsigned height, const uint8_t *bitmap)
{
    static const char digits[] = "0123456789abcdef";
    const size_t bytes = size_t((width + 7) / 8) * height;
    std::string hex;
    hex.reserve(bytes * 2);
    for (size_t i = 0; i < bytes; ++i) {
        hex += digits[bitmap[i] >> 4];
        hex += digits[bitmap[i] & 15];
    }
    writeLine(std::string(LinkProtocol::kScreen) + "\t" + std::to_string(width) + "\t" + std::to_string(height) + "\t" + hex);
}

int done()
{
    writeLine(LinkProtocol::kDone);
    return 0;
}

int failure(const std::string &why)
{
    writeLine(std::string(LinkProtocol::kFailure) + "\t" + field(why));
    return 1;
}

} // namespace LinkOutput
