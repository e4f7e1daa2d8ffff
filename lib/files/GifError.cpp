#include "GifError.h"

namespace kx {
namespace {

struct FaultEntry {
    GifFault fault;
    int32_t number;
    const wchar_t* text;
};

constexpr int32_t kObjectErrorBase = static_cast<int32_t>(0x80040000u);

constexpr FaultEntry kFaults[] = {
    {GifFault::NotAGif, 9, L"Invalid GIF file"},
    {GifFault::TooLarge, 7, L"Out of memory"},
    {GifFault::StackOverflow, kObjectErrorBase + 2, L"Past end of stack (stacksize=4000)"},
    {GifFault::InvalidCode, kObjectErrorBase + 3, L"Invalid LZW code encountered"},
    {GifFault::PastEnd, kObjectErrorBase + 4, L"Input past end of file"},
};

const FaultEntry& EntryOf(GifFault fault) {
    for (const FaultEntry& entry : kFaults)
        if (entry.fault == fault) return entry;
    return kFaults[0];
}

}  // namespace

int32_t GifFaultNumber(GifFault fault) { return EntryOf(fault).number; }
const wchar_t* GifFaultText(GifFault fault) { return EntryOf(fault).text; }
bool GifFaultIsRuntimeNumber(GifFault fault) { return EntryOf(fault).number > 0; }

}  // namespace kx
