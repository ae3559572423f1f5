#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// The helper's answer on standard output, as qtplatform/LinkProtocol.h describes it. Each
// line is written whole and at once; text fields have their tabs and line breaks replaced.
namespace LinkOutput {
void alive();
void calc(const std::string &model, const std::string &how);
void progress(int done, int total);
// A word and its text fields, as the protocol lists them (held, unsure, ask, declined, sent).
void line(const char *word, std::initializer_list<std::string> fields = {});
void variable(const std::string &folder, const std::string &name, int type, uint32_t size, int attribute);
// rows of (width + 7) / 8 bytes
void screen(unsigned width, unsigned height, const uint8_t *bitmap);
int done();                            // 0, the exit status
int failure(const std::string &why);   // 1, the exit status
} // namespace LinkOutput
