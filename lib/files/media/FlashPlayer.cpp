#include "FlashPlayer.h"

#include "LateBinding.h"
#include "MemberCalls.h"

namespace kx {
namespace {
constexpr int kFramesForward = 10;
constexpr int kFramesBack = 15;
}  // namespace

bool FlashPlayer::Play(const std::wstring& movie, bool loop) const {
    PutTextProperty(control_, L"Movie", movie);
    PutBoolProperty(control_, L"Loop", loop);
    Call(L"Play");
    return GetLongMember(control_, L"TotalFrames") != 0;
}

void FlashPlayer::Pause() const { Call(L"Stop"); }

void FlashPlayer::StopAndRewind() const {
    Call(L"StopPlay");
    Call(L"Rewind");
    Call(L"Stop");
}

void FlashPlayer::StepForward() const {
    CallTimes(L"Forward", kFramesForward);
    Call(L"Play");
}

void FlashPlayer::StepBack() const {
    CallTimes(L"Back", kFramesBack);
    Call(L"Play");
}

void FlashPlayer::Call(const wchar_t* method) const { CallMember(control_, method); }

void FlashPlayer::CallTimes(const wchar_t* method, int times) const {
    for (int i = 0; i < times; ++i) Call(method);
}

}  // namespace kx
