#include "LinkOutput.h"
#include "LinkRequest.h"
#include "LinkSession.h"
#include "platform/Translations.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

#include <csignal>

#include <unistd.h>

// dotlark-link: one session with a calculator per run (send variable files, list the
// variables, receive a picture variable, capture the screen), for the editor and the
// converter, which read its answer through a pipe (qtplatform/LinkProtocol.h). The cable
// code runs here, so that a cable that hangs or crashes costs this process only; the caller
// ends it when its time is up or the user cancels.

int main(int argc, char *argv[])
{
    // The failures it sends are shown to the user as they come: in the user's language, as
    // the caller (started in the same locale) speaks. The cable libraries follow the locale too.
    QCoreApplication app(argc, argv);
    Translations::install();
    const std::optional<LinkRequest> request = parseLinkRequest(std::vector<std::string>(argv + 1, argv + argc));
    if (!request) {
        const QString usage = QCoreApplication::translate(
            "LinkSession", "usage: dotlark-link send FILE... [--ask] | list | receive FOLDER NAME OUT | screen full|clipped\n"
                           "       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]\n"
                           "       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--guess MODEL]... [--timeout SECONDS]\n"
                           "(used by DOTLARK to talk to the calculator)");
        std::fputs(qUtf8Printable(usage + u'\n'), stderr);
        return 2;
    }
    // Cancel: the caller asks the helper to stop (SIGTERM), and the helper ends the exchange
    // with the calculator before it goes; the caller kills it when that takes too long.
    // The calls under way go on (SA_RESTART): a read of the calculator's answer cut by the
    // signal would leave the exchange half done.
    struct sigaction stop{};
    stop.sa_handler = [](int) { LinkSession::cancel(); };
    stop.sa_flags = SA_RESTART;
    sigemptyset(&stop.sa_mask);
    ::sigaction(SIGTERM, &stop, nullptr);
    ::sigaction(SIGINT, &stop, nullptr);
    int status = 0;
    {
        LinkSession session;
        const std::string problem = session.open(*request);
        status = problem.empty() ? session.run(*request) : LinkOutput::failure(problem);
    }
    // The answer is out: end without the libraries' tear-down.
    std::fflush(stdout);
    ::_exit(status);
}
