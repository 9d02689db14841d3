#include "cli/batch/batch_workers.h"

#include "cli/batch/record_maker.h"

#include <cerrno>
#include <csignal>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace vornik::cli {

namespace {

bool writeAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

void failAll(const BatchPlan& plan, std::size_t first, std::size_t step, int fd,
             const std::string& reason) {
    for (std::size_t i = first; i < plan.records.size(); i += step)
        if (!writeAll(fd, resultLine({RecordResult::Outcome::Failed, RecordResult::Check::None, i,
                                      reason})))
            return;
}

// The signals that stop a batch. A worker holds them back while it makes a
// record and takes them between records: the image converter is a module of
// its own, whose unfinished files the program's clean-up does not know, so a
// record is always finished (or wholly removed) before the worker ends.
sigset_t stoppingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

bool stopRequested(const sigset_t& stopping) {
    sigset_t pending;
    sigpending(&pending);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        if (sigismember(&stopping, signal) && sigismember(&pending, signal))
            return true;
    return false;
}

void work(const BatchCommandLine& line, const BatchPlan& plan,
          const std::filesystem::path& programDirectory, std::size_t first, std::size_t step,
          int fd) {
    BatchSession session(line, programDirectory);
    if (auto problem = session.setUp()) {
        failAll(plan, first, step, fd, *problem);
        return;
    }
    const ReadBack readBack = readBackModule(programDirectory);
    const RecordOptions options{.verify = line.verify, .skipExisting = line.skipExisting};
    const sigset_t stopping = stoppingSignals();
    for (std::size_t i = first; i < plan.records.size(); i += step) {
        if (stopRequested(stopping))
            return;
        const RecordResult result =
            makeRecord(session, plan.records[i], plan.outputs[i], options, readBack);
        if (!writeAll(fd, resultLine(result)))
            return;
        if (line.stopOnError && result.outcome == RecordResult::Outcome::Failed)
            return;
    }
}

// In the new process: it goes when its parent goes, and ends without
// running the parent's exit handlers.
[[noreturn]] void runWorker(const BatchCommandLine& line, const BatchPlan& plan,
                            const std::filesystem::path& programDirectory, std::size_t first,
                            std::size_t step, int fd, pid_t parent) {
    const sigset_t stopping = stoppingSignals();
    ::sigprocmask(SIG_BLOCK, &stopping, nullptr);
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent)
        ::_exit(1);
    std::signal(SIGPIPE, SIG_IGN);
    work(line, plan, programDirectory, first, step, fd);
    ::close(fd);
    ::_exit(0);
}

} // namespace

std::vector<Worker> startWorkers(const BatchCommandLine& line, const BatchPlan& plan,
                                 const std::filesystem::path& programDirectory, std::size_t count) {
    std::vector<Worker> workers;
    const pid_t parent = ::getpid();
    for (std::size_t w = 0; w < count; ++w) {
        int ends[2];
        if (::pipe(ends) != 0)
            break;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(ends[0]);
            for (const Worker& earlier : workers)
                ::close(earlier.results);
            runWorker(line, plan, programDirectory, w, count, ends[1], parent);
        }
        ::close(ends[1]);
        if (pid < 0) {
            ::close(ends[0]);
            break;
        }
        workers.push_back({pid, ends[0]});
    }
    return workers;
}

} // namespace vornik::cli
