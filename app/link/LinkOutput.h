#pragma once

#include <cstdint>
#include <string>

// The helper's answer on standard output, as qtplatform/LinkProtocol.h describes it. Each
// line is written whole and at once; text fields have their tabs and line breaks replaced.
namespace LinkOutput {
void progress(int done, int total);
void variable(const std::string &folder, const std::string &name, int type, uint32_t size, int attribute);
// rows of (width + 7) / 8 bytes
void screen(unsigned width, unsigned height, const uint8_t *bitmap);
int done();                            // 0, the exit status
int failure(const std::string &why);   // 1, the exit status
} // namespace LinkOutput
