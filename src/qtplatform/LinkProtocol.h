#pragma once

// What dotlark-link writes to its standard output: lines of UTF-8 text, each a word and
// its fields, separated by tabs.
//   alive                                       a sign of life: the helper is still at work
//   calc MODEL HOW                              the calculator the session talks to ("ti89", ...),
//                                               HOW: "given", "asked" (it said), "guessed"
//   progress DONE TOTAL                         a transfer's bytes so far
//   variable FOLDER NAME TYPE SIZE ATTRIBUTE    one variable of the list (TYPE hexadecimal)
//   screen WIDTH HEIGHT HEX                     the screen: rows of ceil(WIDTH/8) bytes, leftmost
//                                               pixel in the high bit, 1 = black
//   held FOLDER NAME                            send --ask: the calculator holds a variable sent
//   unsure TEXT                                 send --ask: its list cannot be trusted, and why
//   ask                                         after held or unsure lines: the helper waits for
//                                               a line on its standard input, "yes" to send
//   declined                                    the answer was not yes: nothing was sent
//   sent FOLDER NAME                            send: one variable went, in the order given
//   done                                        the operation ended well (the last line)
//   failure TEXT                                it did not, and why (the last line)
// Exit status 0 with "done", 1 with "failure", 2 for a command line that is not one.
namespace LinkProtocol {
inline constexpr char kAlive[] = "alive";
inline constexpr char kCalc[] = "calc";
inline constexpr char kHeld[] = "held";
inline constexpr char kUnsure[] = "unsure";
inline constexpr char kAsk[] = "ask";
inline constexpr char kDeclined[] = "declined";
inline constexpr char kSent[] = "sent";
inline constexpr char kProgress[] = "progress";
inline constexpr char kVariable[] = "variable";
inline constexpr char kScreen[] = "screen";
inline constexpr char kDone[] = "done";
inline constexpr char kFailure[] = "failure";
// The longest answer taken: a list of a full calculator is a few hundred lines.
inline constexpr int kMaxAnswerBytes = 1 << 20;
} // namespace LinkProtocol
