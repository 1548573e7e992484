#include "processrun.h"

#include <QFile>

#include <vector>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

ProcessRun RunProcess(const QString &program, const QString &workingDirectory,
                      const QByteArrayList &environment, const QString &logPath, int timeoutSeconds)
{
    ProcessRun run;

    // Everything the child needs is prepared before fork(): between fork() and execve() a child
    // of a threaded parent may only make async-signal-safe calls.
    const QByteArray programPath = QFile::encodeName(program);
    const QByteArray directory = QFile::encodeName(workingDirectory);
    std::vector<char *> argv{const_cast<char *>(programPath.constData()), nullptr};
    std::vector<char *> envp;
    for (const QByteArray &entry : environment)
        envp.push_back(const_cast<char *>(entry.constData()));
    // The child learns when it was started from this entry, written just before fork().
    char stampEntry[64] = "KOSTBILANZ_START_STAMP_NS=0";
    envp.push_back(stampEntry);
    envp.push_back(nullptr);
    const int logFd =
        open(QFile::encodeName(logPath).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (logFd < 0) {
        run.failure = QStringLiteral("cannot open the log file %1").arg(logPath);
        return run;
    }

    timespec started{};
    clock_gettime(CLOCK_MONOTONIC, &started);
    std::snprintf(stampEntry, sizeof stampEntry, "KOSTBILANZ_START_STAMP_NS=%lld",
                  (long long)started.tv_sec * 1000000000LL + started.tv_nsec);
    const double start = double(started.tv_sec) * 1e3 + double(started.tv_nsec) / 1e6;
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(directory.constData()) != 0)
            _exit(126);
        dup2(logFd, STDOUT_FILENO);
        dup2(logFd, STDERR_FILENO);
        alarm(unsigned(timeoutSeconds)); // survives execve; the default action ends the child
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid < 0) {
        close(logFd);
        run.failure = QStringLiteral("fork failed");
        return run;
    }

    int status = 0;
    rusage usage{};
    pid_t reaped;
    do {
        reaped = wait4(pid, &status, 0, &usage);
    } while (reaped < 0 && errno == EINTR);
    run.wallMs = NowMs() - start;
    close(logFd);

    run.maxRssKb = usage.ru_maxrss;
    QFile output(logPath);
    if (output.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : output.readAll().split('\n')) {
            if (line.startsWith("first-paint-ms "))
                run.firstPaintMs = line.mid(15).toDouble();
        }
    }
    if (reaped != pid) {
        run.failure = QStringLiteral("wait4 failed");
    } else if (WIFSIGNALED(status)) {
        run.failure = WTERMSIG(status) == SIGALRM
                          ? QStringLiteral("no exit within %1 s (a message box?)").arg(timeoutSeconds)
                          : QStringLiteral("ended by signal %1").arg(WTERMSIG(status));
    } else if (WEXITSTATUS(status) != 0) {
        run.failure = QStringLiteral("exit code %1").arg(WEXITSTATUS(status));
    } else {
        run.ok = true;
    }
    return run;
}
