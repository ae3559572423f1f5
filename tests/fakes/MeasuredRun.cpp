#include "fakes/MeasuredRun.h"

#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

constexpr qsizetype kKeptOutput = 64 * 1024;

// Reads both pipes to their ends: the first kKeptOutput bytes of the output, all the errors.
void drain(int out, int err, MeasuredRun &run, QByteArray &errBytes)
{
    pollfd fds[] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
    char buffer[65536];
    int open = 2;
    while (open > 0 && ::poll(fds, 2, -1) >= 0) {
        for (pollfd &fd : fds) {
            if (fd.fd < 0 || !(fd.revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t got = ::read(fd.fd, buffer, sizeof buffer);
            if (got <= 0) {
                fd.fd = -1;
                --open;
            } else if (fd.fd == out) {
                run.outBytes += got;
                run.out.append(buffer, std::min<qsizetype>(got, std::max<qsizetype>(kKeptOutput - run.out.size(), 0)));
            } else {
                errBytes.append(buffer, got);
            }
        }
    }
}

} // namespace

MeasuredRun runMeasured(const QString &program, const QStringList &arguments)
{
    MeasuredRun run;
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        words.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        return run;
    const pid_t child = ::fork();
    if (child == 0) {
        const int none = ::open("/dev/null", O_RDONLY);
        ::dup2(none, STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    QByteArray errBytes;
    if (child > 0)
        drain(out[0], err[0], run, errBytes);
    ::close(out[0]);
    ::close(err[0]);
    int status = 0;
    rusage usage{};
    if (child > 0 && ::wait4(child, &status, 0, &usage) == child) {
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.peakKilobytes = usage.ru_maxrss;
    }
    run.err = QString::fromLocal8Bit(errBytes);
    return run;
}
