#pragma once

// What dotlark-link writes to its standard output: lines of UTF-8 text, each a word and
// its fields, separated by tabs.
//   progress DONE TOTAL                         a transfer's bytes so far
//   variable FOLDER NAME TYPE SIZE ATTRIBUTE    one variable of the list (TYPE hexadecimal)
//   screen WIDTH HEIGHT HEX                     the screen: rows of ceil(WIDTH/8) bytes, leftmost
//                                               pixel in the high bit, 1 = black
//   done                                        the operation ended well (the last line)
//   failure TEXT                                it did not, and why (the last line)
// Exit status 0 with "done", 1 with "failure", 2 for a command line that is not one.
namespace LinkProtocol {
inline constexpr char kProgress[] = "progress";
inline constexpr char kVariable[] = "variable";
inline constexpr char kScreen[] = "screen";
inline constexpr char kDone[] = "done";
inline constexpr char kFailure[] = "failure";
// The longest answer taken: a list of a full calculator is a few hundred lines.
inline constexpr int kMaxAnswerBytes = 1 << 20;
} // namespace LinkProtocol
