// The main of every Wine test program: runs the tests as GoogleTest's own
// main does and, for the release folder's runner, which cannot read
// GoogleTest's output in cmd, writes the counts of the test cases to the file
// that KIT_TEST_COUNTS names: "<passed> <failed> <skipped>" and CR LF.
//
// A program that is still running after its time limit (KIT_TEST_TIME_LIMIT
// seconds, DefaultLimitSeconds without it) names the case that was running,
// writes its counts with that case as one more failure, and ends with the
// programs it started: a hung case must not hold up the whole run.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace {

// Well above the slowest program's run (the Kelvask window tests, about 100 s).
constexpr unsigned long DefaultLimitSeconds = 600;
constexpr int TimeLimitExitCode = 3;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The limit in seconds: a whole number from 1, or the default when unset.
bool ReadTimeLimit(const std::string& text, unsigned long& seconds) {
    seconds = DefaultLimitSeconds;
    if (text.empty())
        return true;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (*end != '\0' || value == 0 || value > 7 * 24 * 3600 || text[0] == '-')
        return false;
    seconds = value;
    return true;
}

void WriteCounts(const std::string& path, int passed, int failed, int skipped) {
    FILE* counts = std::fopen(path.c_str(), "wb");
    if (!counts || std::fprintf(counts, "%d %d %d\r\n", passed, failed, skipped) < 0 ||
        std::fclose(counts) != 0)
        std::fprintf(stderr, "cannot write the test counts to %s\n", path.c_str());
}

// Follows the run from the watchdog's thread: the counts of the cases ended
// so far and the name of the one running.
class RunProgress : public testing::EmptyTestEventListener {
  public:
    void OnTestStart(const testing::TestInfo& test) override {
        std::lock_guard<std::mutex> lock(mutex_);
        running_ = std::string(test.test_suite_name()) + "." + test.name();
    }
    void OnTestEnd(const testing::TestInfo& test) override {
        const testing::TestResult& result = *test.result();
        if (result.Skipped())
            ++skipped_;
        else if (result.Failed())
            ++failed_;
        else
            ++passed_;
        std::lock_guard<std::mutex> lock(mutex_);
        running_.clear();
    }
    std::string Running() {
        std::lock_guard<std::mutex> lock(mutex_);
        return running_;
    }

    std::atomic<int> passed_{0};
    std::atomic<int> failed_{0};
    std::atomic<int> skipped_{0};

  private:
    std::mutex mutex_;
    std::string running_;
};

// Every process of the job ends when its last handle closes.
bool KillJobWhenClosed(HANDLE job) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    if (!QueryInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits),
                                   nullptr))
        return false;
    limits.BasicLimitInformation.LimitFlags |= JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    return SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
}

struct Watchdog {
    unsigned long seconds;
    std::string countsFile;
    RunProgress* progress;
    HANDLE finished;
    HANDLE job; // the programs the tests start, with this one; null where none could be made
};

DWORD WINAPI WatchRun(void* data) {
    const Watchdog& watch = *static_cast<Watchdog*>(data);
    if (WaitForSingleObject(watch.finished, watch.seconds * 1000) != WAIT_TIMEOUT)
        return 0;
    const std::string running = watch.progress->Running();
    const std::string where = running.empty() ? "outside the test cases" : "in " + running;
    std::fprintf(stdout, "\n[  FAILED  ] the time limit of %lu s (KIT_TEST_TIME_LIMIT) passed %s\n",
                 watch.seconds, where.c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "time limit of %lu s passed %s\n", watch.seconds, where.c_str());
    if (!watch.countsFile.empty())
        WriteCounts(watch.countsFile, watch.progress->passed_, watch.progress->failed_ + 1,
                    watch.progress->skipped_);
    // The programs the tests started end with the job, whose one handle this
    // program holds. It ends itself rather than the job: Wine's loader then
    // exits with the exit code, which it mostly loses for a process that its
    // own job ends (a hung run's program seemed to pass wherever it was judged
    // by that code).
    if (watch.job && !KillJobWhenClosed(watch.job))
        TerminateJobObject(watch.job, TimeLimitExitCode);
    TerminateProcess(GetCurrentProcess(), TimeLimitExitCode);
    return 0;
}

// A job holding this program, so that the programs its tests start end with
// it when the limit passes. Where this program is in a job already and the
// system nests none (before Windows 8), there is none: only it ends then.
HANDLE JobForThisRun() {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    if (job && !AssignProcessToJobObject(job, GetCurrentProcess())) {
        CloseHandle(job);
        job = nullptr;
    }
    return job;
}

} // namespace

int main(int argc, char** argv) {
    const std::string countsFile = Environment("KIT_TEST_COUNTS");
    // A run that does not reach its end leaves no counts, not an earlier run's;
    // and a test program that a test starts does not write this run's file.
    if (!countsFile.empty())
        DeleteFileA(countsFile.c_str());
    SetEnvironmentVariableA("KIT_TEST_COUNTS", nullptr);
    testing::InitGoogleTest(&argc, argv);

    unsigned long seconds = 0;
    if (!ReadTimeLimit(Environment("KIT_TEST_TIME_LIMIT"), seconds)) {
        std::fprintf(stderr, "KIT_TEST_TIME_LIMIT is a number of seconds from 1, not '%s'\n",
                     Environment("KIT_TEST_TIME_LIMIT").c_str());
        if (!countsFile.empty())
            WriteCounts(countsFile, 0, 1, 0);
        return 1;
    }
    auto* progress = new RunProgress; // GoogleTest owns its listeners
    testing::UnitTest::GetInstance()->listeners().Append(progress);
    Watchdog watch{seconds, countsFile, progress, CreateEventA(nullptr, TRUE, FALSE, nullptr),
                   JobForThisRun()};
    HANDLE watcher = CreateThread(nullptr, 0, WatchRun, &watch, 0, nullptr);

    const int result = RUN_ALL_TESTS();
    // The watchdog stands down before the counts are written: a run that
    // ended writes them once, here.
    SetEvent(watch.finished);
    if (watcher) {
        WaitForSingleObject(watcher, INFINITE);
        CloseHandle(watcher);
    }
    if (!countsFile.empty()) {
        const testing::UnitTest& run = *testing::UnitTest::GetInstance();
        WriteCounts(countsFile, run.successful_test_count(), run.failed_test_count(),
                    run.skipped_test_count());
    }
    return result;
}
