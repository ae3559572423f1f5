#pragma once

#include <optional>
#include <string>
#include <vector>

// One run of dotlark-link, as its command line gives it:
//   dotlark-link OPERATION [ARGUMENTS] [--cable C] [--port N] [--calc M] [--guess M]... [--timeout S] [--ask]
// with the operations
//   send FILE...                   the variable files, each under the name it holds, in order; with
//                                  --ask the calculator's list is read first and, when it holds one
//                                  of them or cannot tell, the caller is asked (LinkProtocol.h)
//   list                           the calculator's variables
//   receive FOLDER NAME OUT        the picture variable FOLDER\NAME, written to the file OUT
//   screen full|clipped            the screen: the whole LCD, or the part a TI-89 shows
struct LinkRequest
{
    enum class Operation { Send, List, Receive, Screen };

    Operation operation = Operation::List;
    std::vector<std::string> arguments; // the operation's own, in order
    std::string cable = "auto";         // auto silverlink directlink blacklink graylink parallel tiemu null
    int port = 1;                       // libticables' port number, 1-4
    std::string calc = "auto";          // auto ti89 ti89t ti92 ti92+ v200
    // With calc auto: the models to take, in order, when the calculator cannot be asked which
    // it is (the one last used on this cable, the picture's).
    std::vector<std::string> guesses;
    bool ask = false;                   // send: ask before replacing, or when the list is unsure
    int timeoutSeconds = 2;             // the cable's wait for each answer of the calculator
};

// The request on the command line (without the program's name), or nothing when it is not one.
std::optional<LinkRequest> parseLinkRequest(const std::vector<std::string> &arguments);
