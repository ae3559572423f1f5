// Stands in for dotlark-decode in tests: takes the same arguments, writes its process id to
// the file named by DECODE_STANDIN_PID (when set), sleeps DECODE_STANDIN_MS milliseconds
// (60 s when unset), then answers a 2 x 2 black picture as the helper does. A test makes it
// stall, or answer late, without using the processor.

#include "qtplatform/DecodeProtocol.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void put(quint32 word) { std::fwrite(&word, sizeof word, 1, stdout); }

} // namespace

int main()
{
    if (const char *pidFile = std::getenv("DECODE_STANDIN_PID")) {
        if (FILE *file = std::fopen(pidFile, "w")) {
            std::fprintf(file, "%d\n", int(getpid()));
            std::fclose(file);
        }
    }
    const char *ms = std::getenv("DECODE_STANDIN_MS");
    const long sleepMs = ms ? std::atol(ms) : 60000;
    const timespec pause{sleepMs / 1000, (sleepMs % 1000) * 1000000};
    nanosleep(&pause, nullptr);
    for (quint32 word : {DecodeProtocol::kMagic, DecodeProtocol::kPicture, 2u, 2u, 2u, 2u})
        put(word);
    for (int pixel = 0; pixel < 4; ++pixel)
        put(0xff000000u); // opaque black
    return 0;
}
