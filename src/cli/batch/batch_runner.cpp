#include "cli/batch/batch_runner.h"

#include "cli/batch/batch_plan.h"
#include "cli/batch/batch_session.h"
#include "cli/batch/batch_workers.h"
#include "cli/batch/progress_meter.h"
#include "cli/batch/read_back_loader.h"
#include "cli/batch/record_maker.h"
#include "cli/batch/record_result.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <map>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <unordered_set>

namespace vornik::cli {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

int refuse(const std::string& message) {
    std::cerr << "vornik: batch: " << message << (message.ends_with('.') ? "\n" : ".\n");
    return kBatchRefused;
}

// The job as the workers will load it, checked once before any of them starts.
std::variant<Job, std::string> probeJob(const BatchCommandLine& line, const fs::path& directory) {
    BatchSession probe(line, directory);
    if (auto problem = probe.setUp())
        return *problem;
    return probe.app().job();
}

std::optional<std::string> makeFolders(const BatchPlan& plan) {
    std::unordered_set<std::string> seen;
    for (const std::string& output : plan.outputs) {
        const fs::path folder = fs::path(output).parent_path();
        if (folder.empty() || !seen.insert(folder.string()).second)
            continue;
        std::error_code error;
        if (fs::exists(folder, error) && !fs::is_directory(folder, error))
            return "the folder " + folder.string() +
                   " cannot be made: a file of that name is in the way";
        fs::create_directories(folder, error);
        if (error || !fs::is_directory(folder))
            return "the folder " + folder.string() + " cannot be made: " +
                   (error ? error.message() : "a file of that name is in the way");
    }
    return std::nullopt;
}

std::size_t workerCount(const BatchCommandLine& line, std::size_t records) {
    std::size_t count = line.jobs;
    if (count == 0)
        count = std::max(1u, std::thread::hardware_concurrency());
    return std::min(count, records);
}

// Follows the workers' results, keeps the tally and the progress line.
class BatchWatch {
public:
    BatchWatch(const BatchCommandLine& line, const BatchPlan& plan, std::vector<Worker> workers)
        : line_(line), plan_(plan), workers_(std::move(workers)), buffers_(workers_.size()),
          reported_(workers_.size(), 0), terminal_(::isatty(STDERR_FILENO) == 1) {
        tally_.total = plan.records.size();
    }

    int run();

private:
    void follow();
    void reap();
    void readFrom(std::size_t w);
    void take(const RecordResult& result);
    void stopWorkers();
    void redraw(bool force);
    void clearProgress();
    void removeLeftovers(std::size_t w) const;
    [[nodiscard]] double elapsed() const {
        return std::chrono::duration<double>(Clock::now() - started_).count();
    }

    const BatchCommandLine& line_;
    const BatchPlan& plan_;
    std::vector<Worker> workers_;
    std::vector<std::string> buffers_;
    std::vector<std::size_t> reported_; // results each worker sent
    bool terminal_;
    bool stopping_ = false;
    BatchTally tally_;
    std::map<std::string, std::size_t> unverifiable_; // why, and how many records
    Clock::time_point started_ = Clock::now();
    Clock::time_point drawn_{};
};

void BatchWatch::readFrom(std::size_t w) {
    char chunk[4096];
    const ssize_t n = ::read(workers_[w].results, chunk, sizeof chunk);
    if (n <= 0) {
        ::close(workers_[w].results);
        workers_[w].results = -1;
        return;
    }
    std::string& buffer = buffers_[w];
    buffer.append(chunk, static_cast<std::size_t>(n));
    std::size_t start = 0;
    for (auto end = buffer.find('\n'); end != std::string::npos; end = buffer.find('\n', start)) {
        if (auto result = parseResultLine(std::string_view(buffer).substr(start, end - start))) {
            ++reported_[w];
            take(*result);
        }
        start = end + 1;
    }
    buffer.erase(0, start);
}

void BatchWatch::take(const RecordResult& result) {
    using Outcome = RecordResult::Outcome;
    if (result.index >= plan_.records.size())
        return;
    if (result.outcome == Outcome::Written)
        ++tally_.written;
    else if (result.outcome == Outcome::Skipped)
        ++tally_.skipped;
    tally_.verified += result.check == RecordResult::Check::Verified ? 1 : 0;
    if (result.check == RecordResult::Check::NotVerifiable) {
        ++tally_.notVerifiable;
        ++unverifiable_[result.reason];
    }
    if (result.outcome != Outcome::Failed)
        return;
    ++tally_.failed;
    clearProgress();
    const auto& record = plan_.records[result.index];
    std::cerr << "vornik: batch: " << (line_.source == BatchSource::Count ? "record " : "line ")
              << record.line << " (" << plan_.outputs[result.index] << ") failed: " << result.reason
              << '\n';
    if (line_.stopOnError)
        stopWorkers();
}

void BatchWatch::stopWorkers() {
    if (stopping_)
        return;
    stopping_ = true;
    for (const Worker& worker : workers_)
        ::kill(worker.pid, SIGTERM);
}

// A worker that was killed outright (a stop signal it takes between
// records) may have left the temporary files of the record it was making,
// named after its process, in that record's folder.
void BatchWatch::removeLeftovers(std::size_t w) const {
    const std::size_t index = w + reported_[w] * workers_.size();
    if (index >= plan_.outputs.size())
        return;
    const fs::path folder = fs::path(plan_.outputs[index]).parent_path();
    const std::string prefix = temporaryPrefix(workers_[w].pid);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, error))
        if (const std::string name = entry.path().filename().string();
            name == prefix || name.starts_with(prefix + "."))
            fs::remove(entry.path(), error);
}

void BatchWatch::clearProgress() {
    if (terminal_)
        std::cerr << "\r\x1b[K";
}

void BatchWatch::redraw(bool force) {
    if (!terminal_ || (!force && Clock::now() - drawn_ < kRedrawInterval))
        return;
    drawn_ = Clock::now();
    std::cerr << '\r' << progressLine(tally_, elapsed()) << "\x1b[K" << std::flush;
}

// Takes results until every worker has closed its pipe.
void BatchWatch::follow() {
    std::vector<pollfd> polled;
    while (true) {
        polled.clear();
        for (const Worker& worker : workers_)
            if (worker.results >= 0)
                polled.push_back({worker.results, POLLIN, 0});
        if (polled.empty())
            return;
        if (::poll(polled.data(), polled.size(), 250) < 0 && errno != EINTR)
            return;
        for (std::size_t w = 0; w < workers_.size(); ++w)
            for (const pollfd& p : polled)
                if (p.fd == workers_[w].results && (p.revents & (POLLIN | POLLHUP | POLLERR)))
                    readFrom(w);
        redraw(false);
    }
}

void BatchWatch::reap() {
    for (std::size_t w = 0; w < workers_.size(); ++w) {
        int status = 0;
        if (::waitpid(workers_[w].pid, &status, 0) != workers_[w].pid || !WIFSIGNALED(status))
            continue;
        clearProgress();
        std::cerr << "vornik: batch: a worker process was ended by signal " << WTERMSIG(status)
                  << "; the records it had still to make were not made\n";
        removeLeftovers(w);
    }
}

int BatchWatch::run() {
    follow();
    reap();
    clearProgress();
    for (const auto& [reason, count] : unverifiable_)
        std::cerr << "vornik: batch: " << count << (count == 1 ? " label is" : " labels are")
                  << " not verifiable: " << reason << '\n';
    std::cerr << "vornik: " << summaryLine(tally_, elapsed(), line_.verify) << '\n';
    const bool whole = tally_.failed == 0 && tally_.done() == tally_.total;
    return whole ? kBatchSucceeded : kBatchSomeFailed;
}

} // namespace

int runBatch(const BatchCommandLine& line, const fs::path& programDirectory) {
    auto job = probeJob(line, programDirectory);
    if (auto* problem = std::get_if<std::string>(&job))
        return refuse(*problem);
    auto planned = planBatch(line, std::get<Job>(job));
    if (auto* problem = std::get_if<std::string>(&planned))
        return refuse(*problem);
    const BatchPlan& plan = std::get<BatchPlan>(planned);
    if (line.verify)
        if (auto problem = readBackProblem(programDirectory))
            return refuse(*problem);
    if (auto problem = makeFolders(plan))
        return refuse(*problem);
    const std::size_t count = workerCount(line, plan.records.size());
    std::vector<Worker> workers = startWorkers(line, plan, programDirectory, count);
    if (workers.size() < count) {
        for (const Worker& worker : workers)
            ::kill(worker.pid, SIGTERM);
        (void)BatchWatch(line, plan, std::move(workers)).run();
        return refuse("not every worker process could be started");
    }
    return BatchWatch(line, plan, std::move(workers)).run();
}

} // namespace vornik::cli
