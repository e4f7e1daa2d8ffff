// Times the loading of dic.txt and the look-ups the windows make, and shows the memory the table takes:
//     dictionary_bench <dic.txt>
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <exception>

#include "dictionary/DictionaryError.h"
#include "dictionary/RecordSet.h"
#include "dictionary/WordLookup.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Committed private memory of the process (what the table allocates), in megabytes.
double CommittedMegabytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage / (1024.0 * 1024.0);
}

// Filters every tenth value and reads every record of it, as the number-to-words window does.
std::size_t ReadFilteredWords(zarvanta::RecordSet& records) {
    std::size_t read = 0;
    for (int value = 0; value < 10000; value += 10) {
        records.SetFilter(zarvanta::DictionaryField::Abjad, value);
        for (; !records.IsEof(); records.MoveNext()) read += records.Word().empty() ? 0 : 1;
    }
    return read;
}

// Looks every record's word up under a Length filter, as the letter arrangements' dictionary check does.
std::size_t LookUpEveryWord(zarvanta::RecordSet& records, const zarvanta::AbjadEngine& engine) {
    const auto& table = records.Table();
    std::size_t found = 0;
    for (zarvanta::DictionaryTable::Index i = 0; i < table.Size(); ++i) {
        const auto& record = table.Record(i);
        records.SetFilter(zarvanta::DictionaryField::Length, record.Length);
        found += zarvanta::LookUpWord(records, engine, std::wstring(record.Word)) ? 1 : 0;
    }
    return found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: dictionary_bench <dic.txt>\n", stderr);
        return 2;
    }
    try {
        const double before = CommittedMegabytes();
        auto start = Clock::now();
        auto records = zarvanta::RecordSet::Open(argv[1]);
        const double loadMs = MillisecondsSince(start);
        const double after = CommittedMegabytes();
        std::printf("load: %zu records in %.0f ms, %.1f MB of memory (%.1f MB in all)\n",
                    records.RecordCount(), loadMs, after - before, after);

        start = Clock::now();
        const std::size_t read = ReadFilteredWords(records);
        std::printf("filter by Abjad 0..9990 step 10: %zu words read in %.1f ms\n", read, MillisecondsSince(start));

        const zarvanta::AbjadEngine engine;
        start = Clock::now();
        const std::size_t found = LookUpEveryWord(records, engine);
        std::printf("word look-up of every record under its Length filter: %zu found in %.0f ms\n", found,
                    MillisecondsSince(start));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dictionary_bench: %s\n", error.what());
        return 1;
    }
}
