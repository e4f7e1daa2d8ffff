#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

// The Flash player control a host supplies, driven late-bound by member name (Movie, Loop, Play, TotalFrames,
// StopPlay, Rewind, Stop, Forward, Back). Failures throw kx::Error: 91 for no object, 438 for a missing member.
namespace kx {

class FlashPlayer {
public:
    explicit FlashPlayer(IDispatch* control) : control_(control) {}

    // Loads the movie, sets its looping and plays it; whether it has any frames.
    bool Play(const std::wstring& movie, bool loop) const;
    void Pause() const;
    void StopAndRewind() const;
    void StepForward() const;
    void StepBack() const;

private:
    void Call(const wchar_t* method) const;
    void CallTimes(const wchar_t* method, int times) const;

    IDispatch* control_;  // borrowed
};

}  // namespace kx
