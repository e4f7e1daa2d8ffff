#pragma once
#include <memory>
#include <string>

#include "Control.h"
#include "Korvix32_h.h"
#include "ObjectVariable.h"
#include "PlayList.h"
#include "WindowMembers.h"
#include "WindowTimer.h"

namespace kx {

// kxMedia: plays the files of a CR LF separated list through the platform's playback graph, or a movie
// through the Flash player control the host puts in WindowControl. Timer1 reports the position and handles
// the end of a file; Timer2 restarts a paused player after RepeatEvery seconds. Shows only its own face.
class KxMedia : public WindowMembers<Control<_kxMedia>> {
public:
    KxMedia();
    ~KxMedia() override;

    STDMETHODIMP get_WindowControl(IDispatch** WindowControl) override;
    STDMETHODIMP put_WindowControl(IDispatch* WindowControl) override;
    STDMETHODIMP putref_WindowControl(IDispatch* WindowControl) override;
    STDMETHODIMP get_Playing(VARIANT_BOOL* Playing) override;
    STDMETHODIMP put_Playing(VARIANT_BOOL Playing) override;
    STDMETHODIMP get_Player(IDispatch** Player) override;
    STDMETHODIMP put_Player(IDispatch* Player) override;
    STDMETHODIMP putref_Player(IDispatch* Player) override;
    STDMETHODIMP get_PlayerPos(IDispatch** PlayerPos) override;
    STDMETHODIMP put_PlayerPos(IDispatch* PlayerPos) override;
    STDMETHODIMP putref_PlayerPos(IDispatch* PlayerPos) override;
    STDMETHODIMP get_PlayerWindow(IDispatch** PlayerWindow) override;
    STDMETHODIMP put_PlayerWindow(IDispatch* PlayerWindow) override;
    STDMETHODIMP putref_PlayerWindow(IDispatch* PlayerWindow) override;
    STDMETHODIMP get_PlayerAudio(IDispatch** PlayerAudio) override;
    STDMETHODIMP put_PlayerAudio(IDispatch* PlayerAudio) override;
    STDMETHODIMP putref_PlayerAudio(IDispatch* PlayerAudio) override;

    STDMETHODIMP get_FileName(BSTR* FileName) override;
    STDMETHODIMP put_FileName(BSTR FileName) override;
    STDMETHODIMP get_DataType(kxMediaType* DataType) override;
    STDMETHODIMP put_DataType(kxMediaType DataType) override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL Enabled) override;
    STDMETHODIMP get_Repeat(VARIANT_BOOL* Repeat) override;
    STDMETHODIMP put_Repeat(VARIANT_BOOL Repeat) override;
    STDMETHODIMP get_Duration(LONG* Duration) override;
    STDMETHODIMP put_Duration(LONG Duration) override;
    STDMETHODIMP get_RepeatEvery(LONG* RepeatEvery) override;
    STDMETHODIMP put_RepeatEvery(LONG RepeatEvery) override;

    STDMETHODIMP mPlay(VARIANT_BOOL* Started) override;
    STDMETHODIMP mPause(VARIANT_BOOL* Done) override;
    STDMETHODIMP mStop(VARIANT_BOOL Forced, VARIANT_BOOL* Done) override;
    STDMETHODIMP mForeward(VARIANT_BOOL* Done) override;
    STDMETHODIMP mBackward(VARIANT_BOOL* Done) override;

    // For tests: the two timers, ticked by hand where a test must not wait.
    WindowTimer& Timer1() { return *timer1_; }
    WindowTimer& Timer2() { return *timer2_; }

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Paint() override;
    void Terminate() override;

private:
    bool Play();
    bool Pause();
    bool Stop(bool forced);
    bool Forward();
    bool Backward();

    bool PlayFlash();
    bool PlayFromList(bool freshList, HWND videoOwner);
    bool StartEntry(const std::wstring& path, HWND videoOwner);
    void OpenGraph(const std::wstring& path, HWND videoOwner);
    void ResumeFromStart();
    bool EndWithNothingPlayed();
    HWND VideoOwner() const;
    void SetTimers(bool enabled);
    bool ReleaseGraph();
    void MoveBy(double seconds);

    void PositionTick();
    void HandleEndOfFile();
    void RestartTick();
    void RaisePositionChange(long position);

    bool UsesGraph() const { return dataType_ == kxAudio || dataType_ == kxVideo; }
    HRESULT PutObject(ObjectVariable& variable, IDispatch* object);

    ObjectVariable windowControl_;
    bool playing_ = false;
    ObjectVariable player_;
    ObjectVariable playerPos_;
    ObjectVariable playerWindow_;
    ObjectVariable playerAudio_;

    std::wstring fileName_;
    long dataType_ = kxAudio;
    bool enabled_ = true;
    bool repeat_ = false;
    long duration_ = 0;
    long repeatEvery_ = 2;

    PlayList remaining_;
    long restartCount_ = 0;  // seconds Timer2 has seen the player stopped
    std::unique_ptr<WindowTimer> timer1_;
    std::unique_ptr<WindowTimer> timer2_;
};

}  // namespace kx
