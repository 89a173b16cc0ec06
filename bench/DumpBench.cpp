// Times `Test_Norvalex r N` writing to a file against the limit and the naive
// peer, in alternating rounds under the same Wine, checks that the three
// outputs are the same bytes, and measures the tester's peak memory.
//   dump_bench BIN_DIR\ BENCH_DIR\ WORK_DIR\ COUNT ROUNDS
#include "BenchArguments.h"
#include "UniqueHandle.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace {

struct Program {
    const char* label;
    std::string commandLine;
    std::string outputPath;
    std::vector<double> seconds;
};

struct RunResult {
    bool ok = false;
    double seconds = 0;
    SIZE_T peakWorkingSet = 0; // high-water mark of resident memory
    SIZE_T peakPrivate = 0;    // largest private (page-file backed) size seen
};

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Wine gives no peak of private memory and no counters once a process has
// ended, so the memory run samples the child while it runs.
void Sample(HANDLE process, RunResult& result) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters)))
        return;
    result.peakWorkingSet = std::max(result.peakWorkingSet, counters.PeakWorkingSetSize);
    result.peakPrivate =
        std::max({result.peakPrivate, counters.PagefileUsage, counters.PeakPagefileUsage});
}

RunResult Run(const std::string& commandLine, const std::string& outputPath, bool sampleMemory) {
    RunResult result;
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    norvalex::UniqueFile output(CreateFileA(outputPath.c_str(), GENERIC_WRITE, 0, &inherit,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output)
        return result;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output.get();
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    const double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &info))
        return result;
    norvalex::UniqueKernelObject process(info.hProcess);
    norvalex::UniqueKernelObject thread(info.hThread);
    if (sampleMemory) {
        do
            Sample(process.get(), result);
        while (WaitForSingleObject(process.get(), 1) == WAIT_TIMEOUT);
    } else {
        WaitForSingleObject(process.get(), INFINITE);
    }
    result.seconds = Now() - start;
    DWORD exitCode = 1;
    GetExitCodeProcess(process.get(), &exitCode);
    result.ok = exitCode == 0;
    return result;
}

// Size of the file when both hold the same bytes, -1 otherwise.
long long SameBytes(const std::string& a, const std::string& b) {
    FILE* fa = fopen(a.c_str(), "rb");
    FILE* fb = fopen(b.c_str(), "rb");
    long long size = fa && fb ? 0 : -1;
    std::vector<char> ba(1 << 20), bb(1 << 20);
    while (size >= 0) {
        const size_t na = fread(ba.data(), 1, ba.size(), fa);
        const size_t nb = fread(bb.data(), 1, bb.size(), fb);
        if (na != nb || !std::equal(ba.begin(), ba.begin() + na, bb.begin()))
            size = -1;
        else if (na == 0)
            break;
        else
            size += static_cast<long long>(na);
    }
    if (fa)
        fclose(fa);
    if (fb)
        fclose(fb);
    return size;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double MiB(SIZE_T bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        fprintf(stderr, "usage: dump_bench BIN_DIR\\ BENCH_DIR\\ WORK_DIR\\ COUNT ROUNDS\n");
        return 2;
    }
    const std::string bin = argv[1], bench = argv[2], work = argv[3], count = argv[4];
    uint32_t countValue = 0;
    uint32_t roundsValue = 0;
    if (!ParseBenchNumber("COUNT", argv[4], 0, INT32_MAX, countValue) ||
        !ParseBenchNumber("ROUNDS", argv[5], 1, 1000, roundsValue))
        return 2;
    const int rounds = static_cast<int>(roundsValue);
    const std::string arguments = " r " + count;
    std::vector<Program> programs = {
        {"Test_Norvalex", "\"" + bin + "Test_Norvalex.exe\"" + arguments, work + "ours.out", {}},
        {"limit", "\"" + bench + "dump_limit.exe\"" + arguments, work + "limit.out", {}},
        {"naive", "\"" + bench + "dump_naive.exe\"" + arguments, work + "naive.out", {}},
        // Start, open and exit alone: what every run above pays besides the dump.
        {"r 0", "\"" + bin + "Test_Norvalex.exe\" r 0", work + "empty.out", {}},
    };

    printf("Dump benchmark: <program> r %s > file, %d alternating rounds\n", count.c_str(), rounds);
    bool failed = false;
    for (int round = 1; round <= rounds; ++round) {
        printf("  round %d:", round);
        for (Program& program : programs) {
            const RunResult result = Run(program.commandLine, program.outputPath, false);
            failed = failed || !result.ok;
            program.seconds.push_back(result.seconds);
            printf("  %s %.3f s%s", program.label, result.seconds, result.ok ? "" : " (FAILED)");
            fflush(stdout);
        }
        printf("\n");
    }
    const double ours = Median(programs[0].seconds);
    const double limit = Median(programs[1].seconds);
    const double naive = Median(programs[2].seconds);
    const double floor = Median(programs[3].seconds);
    printf("Medians: Test_Norvalex %.3f s, limit %.3f s, naive %.3f s, r 0 %.3f s\n", ours, limit,
           naive, floor);
    printf("ours/limit = %.2f (target <= 1.25: %s)\n", ours / limit,
           ours / limit <= 1.25 ? "met" : "MISSED");
    printf("ours/naive = %.3f (naive is %.1fx slower)\n", ours / naive, naive / ours);
    printf("Less the r 0 run: ours/limit = %.2f, ours/naive = %.3f\n",
           (ours - floor) / (limit - floor), (ours - floor) / (naive - floor));

    const long long sameLimit = SameBytes(programs[0].outputPath, programs[1].outputPath);
    const long long sameNaive = SameBytes(programs[0].outputPath, programs[2].outputPath);
    const bool identical = sameLimit >= 0 && sameNaive >= 0;
    printf("Outputs byte-identical: %s (%lld bytes)\n", identical ? "yes" : "NO", sameLimit);

    const SIZE_T readBuffer = countValue;
    const RunResult base = Run("\"" + bin + "Test_Norvalex.exe\" r 0", work + "base.out", true);
    const RunResult full = Run(programs[0].commandLine, programs[0].outputPath, true);
    const RunResult lim = Run(programs[1].commandLine, programs[1].outputPath, true);
    failed = failed || !base.ok || !full.ok || !lim.ok;
    printf("Peak memory (resident high-water / private):\n");
    printf("  Test_Norvalex r 0      %7.1f MiB / %7.1f MiB\n", MiB(base.peakWorkingSet),
           MiB(base.peakPrivate));
    printf("  Test_Norvalex r %-8s %5.1f MiB / %7.1f MiB\n", count.c_str(),
           MiB(full.peakWorkingSet), MiB(full.peakPrivate));
    printf("  limit r %-8s       %7.1f MiB / %7.1f MiB\n", count.c_str(), MiB(lim.peakWorkingSet),
           MiB(lim.peakPrivate));
    const double growth = MiB(full.peakWorkingSet) - MiB(base.peakWorkingSet);
    const double privateGrowth = MiB(full.peakPrivate) - MiB(base.peakPrivate);
    const double bound = MiB(readBuffer) + 1.0;
    printf("Growth over r 0: %.1f MiB resident, %.1f MiB private; bound (read buffer + 1 MiB) "
           "%.1f MiB: %s\n",
           growth, privateGrowth, bound,
           growth <= bound && privateGrowth <= bound ? "met" : "MISSED");
    return failed || !identical ? 1 : 0;
}
