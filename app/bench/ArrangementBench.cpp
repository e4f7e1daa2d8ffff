// Times the letter arrangements on the real dictionary against a plain sequential write of as many bytes to
// the same folder, and shows the memory they take:
//     arrangement_bench <dic.txt> <output folder>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <vector>

#include "arrange/ArrangementRun.h"
#include "arrange/ArrangementTexts.h"
#include "dictionary/RecordSet.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kMegabyte = 1024.0 * 1024.0;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Committed private memory now, in megabytes.
double CommittedMegabytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage / kMegabyte;
}

// Never cancels; samples the committed memory each time the run reports, for the run's peak.
class MeasuringSink : public zarvanta::ProgressSink {
public:
    void Show(const zarvanta::ProgressState&) override {
        ++shown;
        peakMegabytes = std::max(peakMegabytes, CommittedMegabytes());
    }
    bool CancelRequested() override { return false; }

    int shown = 0;
    double peakMegabytes = 0;
};

std::uintmax_t SizeOf(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    return error ? 0 : size;
}

// The same number of bytes written in blocks of the same size, as fast as the folder takes them.
double SequentialWriteSeconds(const std::filesystem::path& file, std::uintmax_t bytes) {
    const std::vector<char> block(std::size_t{1} << 20, 'x');
    const auto start = Clock::now();
    {
        std::ofstream out;
        out.rdbuf()->pubsetbuf(nullptr, 0);
        out.open(file, std::ios::binary | std::ios::trunc);
        for (std::uintmax_t left = bytes; left > 0;) {
            const auto take = static_cast<std::streamsize>(std::min<std::uintmax_t>(left, block.size()));
            out.write(block.data(), take);
            left -= static_cast<std::uintmax_t>(take);
        }
    }
    const double seconds = SecondsSince(start);
    std::filesystem::remove(file);
    return seconds;
}

struct RunFigures {
    double seconds = 0;
    std::uintmax_t wordBytes = 0;
    std::uintmax_t lineBytes = 0;
    double peakMegabytes = 0;
    int reports = 0;
    bool completed = false;
};

RunFigures RunOnce(zarvanta::RecordSet& records, const std::wstring& letters, zarvanta::ArrangementMode mode,
                   const std::filesystem::path& folder) {
    const zarvanta::AbjadEngine engine;
    MeasuringSink sink;
    const auto start = Clock::now();
    const auto result =
        zarvanta::RunArrangements(engine, zarvanta::ArrangementRequest{letters, mode, true, &records, folder}, sink);
    RunFigures figures{SecondsSince(start)};
    figures.completed = result.Outcome == zarvanta::ArrangementOutcome::Completed;
    if (!figures.completed) std::printf("  did not complete: %ls\n", result.Message.c_str());
    const auto wordsFile = folder / zarvanta::kOutputFileName;
    const auto linesFile = folder / zarvanta::kOutputDicFileName;
    figures.wordBytes = SizeOf(wordsFile);
    figures.lineBytes = SizeOf(linesFile);
    figures.peakMegabytes = sink.peakMegabytes;
    figures.reports = sink.shown;
    std::filesystem::remove(wordsFile);
    std::filesystem::remove(linesFile);
    return figures;
}

// The best of a few tries of each, since the system's write-back makes single timings vary.
void Measure(const char* title, zarvanta::RecordSet& records, const std::wstring& letters,
             zarvanta::ArrangementMode mode, const std::filesystem::path& folder) {
    std::printf("%s\n", title);
    const double before = CommittedMegabytes();
    double best = 1e300;
    RunFigures figures;
    for (int attempt = 0; attempt < 2; ++attempt) {
        figures = RunOnce(records, letters, mode, folder);
        if (!figures.completed) return;
        best = std::min(best, figures.seconds);
        std::printf("  run: %.2f s\n", figures.seconds);
    }
    const std::uintmax_t bytes = figures.wordBytes + figures.lineBytes;
    double sequential = 1e300;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const double seconds = SequentialWriteSeconds(folder / L"SequentialWrite.bin", bytes);
        sequential = std::min(sequential, seconds);
        std::printf("  sequential write of as many bytes: %.2f s\n", seconds);
    }
    std::printf("  best: %.2f s, %ju bytes written (Output.txt %ju, OutputDic.txt %ju), %d progress reports\n", best,
                bytes, figures.wordBytes, figures.lineBytes, figures.reports);
    std::printf("  ratio to the best sequential write (%.2f s): %.2f\n", sequential, best / sequential);
    std::printf("  memory: %.1f MB before the run (the dictionary), peak %.1f MB during it (+%.1f MB)\n", before,
                figures.peakMegabytes, figures.peakMegabytes - before);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: arrangement_bench <dic.txt> <output folder>\n", stderr);
        return 2;
    }
    try {
        auto records = zarvanta::RecordSet::Open(argv[1]);
        const std::filesystem::path folder = argv[2];
        std::printf("dictionary: %zu records, %.1f MB committed\n", records.RecordCount(), CommittedMegabytes());
        // ابجدهوزحطيک: eleven distinct letters.
        Measure("all letters, 11 distinct letters, dictionary check on:", records,
                L"\u0627\u0628\u062C\u062F\u0647\u0648\u0632\u062D\u0637\u064A\u06A9",
                zarvanta::ArrangementMode::AllLetters, folder);
        // ابجدهوزط: eight letters whose rows hold 9 letters each, 9^8 words.
        Measure("great cycle, 8 letters, dictionary check on:", records,
                L"\u0627\u0628\u062C\u062F\u0647\u0648\u0632\u0637", zarvanta::ArrangementMode::GreatCycle, folder);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "arrangement_bench: %s\n", error.what());
        return 1;
    }
}
