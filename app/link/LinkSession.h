#pragma once

#include "LinkRequest.h"

#include <cstdint>

#include <optional>
#include <string>
#include <vector>

struct _CableHandle;
struct _CalcHandle;

// The cable and the calculator of one request, through libticables2 and libticalcs2; every
// call of those libraries in DOTLARK is made here. Each operation writes its answer to
// standard output (see LinkProtocol.h) and gives the exit status of the helper.
class LinkSession
{
public:
    LinkSession() = default;
    ~LinkSession();
    LinkSession(const LinkSession &) = delete;
    LinkSession &operator=(const LinkSession &) = delete;

    // Finds the cable and the calculator and checks that it answers; an empty text when it
    // does, else why not.
    std::string open(const LinkRequest &request);
    int run(const LinkRequest &request);

    // Called from a signal handler (SIGTERM, SIGINT): the transfer under way stops at its
    // next packet and the exchange is ended as the protocol allows.
    static void cancel();

    // One variable the calculator holds, its names in UTF-8.
    struct Entry
    {
        std::string folder, name;
        int type = 0;
        uint32_t size = 0;
        int attribute = 0;
    };

private:
    bool lockCable(int cable, int port);
    std::string attach(int cable, int port, const LinkRequest &request);
    std::string useModel(int model);
    std::optional<int> modelAsked();
    int readList(std::vector<Entry> &entries, std::string &unsure);
    std::string cancelled(const std::string &what, int error);
    int send(const std::vector<std::string> &files, bool ask);
    int list();
    int receive(const std::string &folder, const std::string &name, const std::string &out);
    int screen(bool full);

    _CableHandle *m_cable = nullptr;
    _CalcHandle *m_calc = nullptr;
    int m_model = 0;
    int m_lock = -1;
    std::string m_lockPath;
};

// What a failure says, in the library's words: "TEXT (error N)".
std::string linkErrorText(int error);
// "WHAT: TEXT (error N)", with what to do about a timeout.
std::string transferFailure(const std::string &what, int error);
