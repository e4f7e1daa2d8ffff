// Times kxGifPlayer's Init and MoveNext to the end of an animation, created by class identity as any
// host does, against ImageMagick's coalescing of the same file and a plain copy of the composed pixels:
//     gif_player_bench <file.gif> <ImageMagick seconds>
#include <windows.h>
#include <ocidl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Korvix32_h.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct PlayerRun {
    double seconds = 0;
    int frames = 0;
    long width = 0, height = 0;
    bool ok = false;
};

// Init, then MoveNext until it reports the end.
PlayerRun TimePlayer(_kxGifPlayer* player, const wchar_t* file) {
    PlayerRun run;
    BSTR name = SysAllocString(file);
    VARIANT_BOOL opened = VARIANT_FALSE, moved = VARIANT_TRUE;
    const auto start = Clock::now();
    HRESULT hr = player->Init(name, &opened);
    while (SUCCEEDED(hr) && opened && moved) {
        hr = player->MoveNext(&moved);
        run.frames += moved ? 1 : 0;
    }
    run.seconds = SecondsSince(start);
    SysFreeString(name);
    player->get_ScreenWidth(&run.width);
    player->get_ScreenHeight(&run.height);
    run.ok = SUCCEEDED(hr) && opened && run.frames > 0;
    return run;
}

// One copy of every frame's pixels, as many bytes as the player composed.
double CopySeconds(size_t frameBytes, int frames) {
    std::vector<unsigned char> from(frameBytes, 0x5A), to(frameBytes);
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i) {
        from[i % frameBytes] = static_cast<unsigned char>(i);
        std::memcpy(to.data(), from.data(), frameBytes);
    }
    const double seconds = SecondsSince(start);
    volatile unsigned char keep = to[frameBytes / 2];  // the copies are used, so they are made
    (void)keep;
    return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: gif_player_bench <file.gif> <ImageMagick seconds>\n");
        return 2;
    }
    const double magickSeconds = _wtof(argv[2]);
    CoInitialize(nullptr);
    _kxGifPlayer* player = nullptr;
    if (FAILED(CoCreateInstance(CLSID_kxGifPlayer, nullptr, CLSCTX_INPROC_SERVER, IID__kxGifPlayer,
                                reinterpret_cast<void**>(&player)))) {
        std::fprintf(stderr, "kxGifPlayer could not be created (is Korvix32 registered?)\n");
        return 1;
    }
    IPersistStreamInit* persist = nullptr;
    if (SUCCEEDED(player->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
        persist->InitNew();
        persist->Release();
    }
    // The best of three runs, as for ImageMagick.
    PlayerRun best;
    for (int i = 0; i < 3; ++i) {
        const PlayerRun run = TimePlayer(player, argv[1]);
        if (!run.ok) {
            std::fprintf(stderr, "the player could not play the file\n");
            player->Release();
            return 1;
        }
        if (i == 0 || run.seconds < best.seconds) best = run;
    }
    player->Release();
    const size_t frameBytes = size_t(best.width) * best.height * 3;
    double copy = CopySeconds(frameBytes, best.frames);
    for (int i = 0; i < 2; ++i) copy = std::min(copy, CopySeconds(frameBytes, best.frames));

    std::printf("GIF player: %d frames of %ldx%ld\n", best.frames, best.width, best.height);
    std::printf("  Init + MoveNext to the end: %.3f s (%.2f ms per tick)\n", best.seconds,
                1000.0 * best.seconds / best.frames);
    std::printf("  ImageMagick coalesce:       %.3f s (%.2f ms per frame)\n", magickSeconds,
                1000.0 * magickSeconds / best.frames);
    std::printf("  memcpy of the output:       %.4f s\n", copy);
    if (magickSeconds > 0)
        std::printf("  player / ImageMagick: %.2fx (goal: at most 0.5x)\n", best.seconds / magickSeconds);
    if (copy > 0) std::printf("  player / memcpy:      %.0fx\n", best.seconds / copy);
    CoUninitialize();
    return 0;
}
