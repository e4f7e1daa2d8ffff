#include "KxMedia.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "FlashPlayer.h"
#include "Handles.h"
#include "KeepAlive.h"
#include "MediaFace.h"
#include "MemberCalls.h"
#include "PlaybackGraph.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxMedia";
constexpr int kSizeTwips = 720;
constexpr UINT kPositionInterval = 100;
constexpr UINT kRestartInterval = 1000;
constexpr double kStepSeconds = 5.0;

constexpr DISPID kPositionChangeEvent = 1;
constexpr DISPID kActionStopEvent = 2;
constexpr DISPID kActionPlayEvent = 3;
constexpr DISPID kActionPauseEvent = 4;
constexpr DISPID kActionBackwardEvent = 5;
constexpr DISPID kActionForewardEvent = 6;

// The defaults of a new control and of the bag.
constexpr long kDefaultDataType = kxAudio;
constexpr bool kDefaultEnabled = true;
constexpr bool kDefaultRepeat = false;
constexpr long kDefaultDuration = 0;
constexpr long kDefaultRepeatEvery = 2;

// Runs a step with its errors suppressed, as every member and tick of the control does; whether none occurred.
template <class Body>
bool Attempt(Body&& body) noexcept {
    try {
        body();
        return true;
    } catch (...) {
        return false;
    }
}

// A method's Boolean answer; errors inside it were suppressed, so none is left for the caller.
HRESULT Answer(VARIANT_BOOL* out, bool value) {
    SetErrorInfo(0, nullptr);
    if (!out) return E_POINTER;
    *out = value ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

// An action raises its event before it acts: a handler may let the host drop the player, which is held until
// the action is done.
template <class Action>
HRESULT HeldAnswer(IDispatch* player, VARIANT_BOOL* out, Action action) {
    const KeepAlive hold(player);
    return Answer(out, action());
}

template <class T, class Value>
HRESULT Report(T* out, Value value) {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

bool IsFile(const std::wstring& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

KxMedia::KxMedia() : WindowMembers(CLSID_kxMedia, DIID___kxMedia, kSizeTwips, kSizeTwips) {
    IUnknown* self = static_cast<IDispatch*>(this);
    timer1_ = std::make_unique<WindowTimer>(self, [this] { PositionTick(); });
    timer2_ = std::make_unique<WindowTimer>(self, [this] { RestartTick(); });
    SetTimers(false);
    timer1_->SetInterval(kPositionInterval);
    timer2_->SetInterval(kRestartInterval);
}

KxMedia::~KxMedia() = default;

// --- public variables ---

HRESULT KxMedia::PutObject(ObjectVariable& variable, IDispatch* object) {
    variable.Set(object);
    return S_OK;
}

STDMETHODIMP KxMedia::get_WindowControl(IDispatch** out) { return windowControl_.CopyTo(out); }
STDMETHODIMP KxMedia::put_WindowControl(IDispatch* object) { return PutObject(windowControl_, object); }
STDMETHODIMP KxMedia::putref_WindowControl(IDispatch* object) { return PutObject(windowControl_, object); }
STDMETHODIMP KxMedia::get_Playing(VARIANT_BOOL* out) { return Report(out, playing_ ? VARIANT_TRUE : VARIANT_FALSE); }
STDMETHODIMP KxMedia::put_Playing(VARIANT_BOOL value) {
    playing_ = value != VARIANT_FALSE;
    return S_OK;
}
STDMETHODIMP KxMedia::get_Player(IDispatch** out) { return player_.CopyTo(out); }
STDMETHODIMP KxMedia::put_Player(IDispatch* object) { return PutObject(player_, object); }
STDMETHODIMP KxMedia::putref_Player(IDispatch* object) { return PutObject(player_, object); }
STDMETHODIMP KxMedia::get_PlayerPos(IDispatch** out) { return playerPos_.CopyTo(out); }
STDMETHODIMP KxMedia::put_PlayerPos(IDispatch* object) { return PutObject(playerPos_, object); }
STDMETHODIMP KxMedia::putref_PlayerPos(IDispatch* object) { return PutObject(playerPos_, object); }
STDMETHODIMP KxMedia::get_PlayerWindow(IDispatch** out) { return playerWindow_.CopyTo(out); }
STDMETHODIMP KxMedia::put_PlayerWindow(IDispatch* object) { return PutObject(playerWindow_, object); }
STDMETHODIMP KxMedia::putref_PlayerWindow(IDispatch* object) { return PutObject(playerWindow_, object); }
STDMETHODIMP KxMedia::get_PlayerAudio(IDispatch** out) { return playerAudio_.CopyTo(out); }
STDMETHODIMP KxMedia::put_PlayerAudio(IDispatch* object) { return PutObject(playerAudio_, object); }
STDMETHODIMP KxMedia::putref_PlayerAudio(IDispatch* object) { return PutObject(playerAudio_, object); }

// --- properties ---

STDMETHODIMP KxMedia::get_FileName(BSTR* FileName) {
    if (!FileName) return E_POINTER;
    *FileName = SysAllocStringLen(fileName_.data(), static_cast<UINT>(fileName_.size()));
    return *FileName ? S_OK : E_OUTOFMEMORY;
}

// A new name ends the current playback and forgets the rest of the old list.
STDMETHODIMP KxMedia::put_FileName(BSTR FileName) {
    return Guard(kSource, [&] {
        Stop(true);
        fileName_.assign(FileName ? FileName : L"", SysStringLen(FileName));
        remaining_.Clear();
        PropertyChanged(L"FileName");
    });
}

STDMETHODIMP KxMedia::get_DataType(kxMediaType* DataType) { return Report(DataType, dataType_); }

STDMETHODIMP KxMedia::put_DataType(kxMediaType DataType) {
    dataType_ = DataType;
    PropertyChanged(L"DataType");
    return S_OK;
}

STDMETHODIMP KxMedia::get_Enabled(VARIANT_BOOL* Enabled) { return Report(Enabled, enabled_ ? VARIANT_TRUE : VARIANT_FALSE); }

STDMETHODIMP KxMedia::put_Enabled(VARIANT_BOOL Enabled) {
    enabled_ = Enabled != VARIANT_FALSE;
    PropertyChanged(L"Enabled");
    return S_OK;
}

STDMETHODIMP KxMedia::get_Repeat(VARIANT_BOOL* Repeat) { return Report(Repeat, repeat_ ? VARIANT_TRUE : VARIANT_FALSE); }

STDMETHODIMP KxMedia::put_Repeat(VARIANT_BOOL Repeat) {
    repeat_ = Repeat != VARIANT_FALSE;
    PropertyChanged(L"Repeat");
    return S_OK;
}

STDMETHODIMP KxMedia::get_Duration(LONG* Duration) { return Report(Duration, duration_); }

// Only mPlay and loading set the duration.
STDMETHODIMP KxMedia::put_Duration(LONG) {
    return RaiseError(Ambient().UserMode() ? kErrSetNotSupportedAtRuntime : kErrSetNotPermitted, kSource);
}

STDMETHODIMP KxMedia::get_RepeatEvery(LONG* RepeatEvery) { return Report(RepeatEvery, repeatEvery_); }

STDMETHODIMP KxMedia::put_RepeatEvery(LONG RepeatEvery) {
    repeatEvery_ = RepeatEvery;
    PropertyChanged(L"RepeatEvery");
    return S_OK;
}

// --- methods ---

STDMETHODIMP KxMedia::mPlay(VARIANT_BOOL* Started) { return HeldAnswer(this, Started, [this] { return Play(); }); }
STDMETHODIMP KxMedia::mPause(VARIANT_BOOL* Done) { return HeldAnswer(this, Done, [this] { return Pause(); }); }
STDMETHODIMP KxMedia::mStop(VARIANT_BOOL Forced, VARIANT_BOOL* Done) {
    return HeldAnswer(this, Done, [this, Forced] { return Stop(Forced != VARIANT_FALSE); });
}
STDMETHODIMP KxMedia::mForeward(VARIANT_BOOL* Done) { return HeldAnswer(this, Done, [this] { return Forward(); }); }
STDMETHODIMP KxMedia::mBackward(VARIANT_BOOL* Done) { return HeldAnswer(this, Done, [this] { return Backward(); }); }

// True only when something plays: a running graph, or a Flash movie with frames. Whatever starts nothing
// ends as a stop that keeps the list would, so no timer keeps trying.
bool KxMedia::Play() {
    RaiseEvent(kActionPlayEvent);
    const bool knownType = UsesGraph() || dataType_ == kxFlash;
    if (fileName_.empty() || !knownType) return EndWithNothingPlayed();
    const bool newGraph = UsesGraph() && !player_;
    HWND videoOwner = nullptr;
    if (newGraph && dataType_ == kxVideo && !(videoOwner = VideoOwner())) return EndWithNothingPlayed();

    const bool freshList = remaining_.Empty();
    if (freshList && !Attempt([&] { remaining_.Fill(fileName_); })) return EndWithNothingPlayed();
    if (dataType_ == kxFlash)
        PlayFlash();
    else if (newGraph)
        PlayFromList(freshList, videoOwner);
    else if (!playing_)
        Attempt([&] { ResumeFromStart(); });
    return playing_ ? true : EndWithNothingPlayed();
}

// The Flash control gets the list's next entry; it plays when the movie has frames.
bool KxMedia::PlayFlash() {
    const std::wstring movie = remaining_.TakeFirst();
    playing_ = false;
    Attempt([&] { playing_ = FlashPlayer(windowControl_.get()).Play(movie, repeat_); });
    SetTimers(true);
    if (playing_) restartCount_ = 0;
    return playing_;
}

// One pass over the list at most: entries that are missing or do not render are skipped, and under Repeat the
// list starts over once, unless this pass began with the whole list.
bool KxMedia::PlayFromList(bool freshList, HWND videoOwner) {
    bool startedOver = freshList;
    for (;;) {
        if (remaining_.Empty()) {
            if (!repeat_ || startedOver) return false;
            remaining_.Fill(fileName_);
            startedOver = true;
        }
        if (StartEntry(remaining_.TakeFirst(), videoOwner)) return true;
    }
}

bool KxMedia::StartEntry(const std::wstring& path, HWND videoOwner) {
    if (!IsFile(path)) return false;
    if (Attempt([&] { OpenGraph(path, videoOwner); })) return true;
    ReleaseGraph();  // a half-built graph would pass for a paused one at the next mPlay
    return false;
}

void KxMedia::OpenGraph(const std::wstring& path, HWND videoOwner) {
    const GraphParts parts = CreateGraph();
    player_.Adopt(parts.control);
    playerAudio_.Adopt(parts.audio);
    playerPos_.Adopt(parts.position);
    RenderFile(player_.get(), path);
    if (dataType_ == kxVideo) playerWindow_.Adopt(ShowVideoIn(player_.get(), videoOwner));
    RunGraph(player_.get());
    duration_ = PositionUnits(GraphDuration(playerPos_.get()));
    playing_ = true;
    restartCount_ = 0;
    SetTimers(true);
}

void KxMedia::ResumeFromStart() {
    RestartGraph(player_.get(), playerPos_.get());
    playing_ = true;
    restartCount_ = 0;
}

bool KxMedia::EndWithNothingPlayed() {
    Stop(false);
    return false;
}

// The window that owns the video: WindowControl's Hwnd; null when there is none.
HWND KxMedia::VideoOwner() const {
    HWND owner = nullptr;
    Attempt([&] { owner = HandleFromLong<HWND>(GetLongMember(windowControl_.get(), L"Hwnd")); });
    return owner && IsWindow(owner) ? owner : nullptr;
}

bool KxMedia::Pause() {
    RaiseEvent(kActionPauseEvent);
    return Attempt([&] {
        if (dataType_ == kxFlash) {
            FlashPlayer(windowControl_.get()).Pause();
        } else if (UsesGraph()) {
            if (player_) PauseGraph(player_.get());
            playing_ = false;
        }
    });
}

bool KxMedia::Stop(bool forced) {
    if (forced) remaining_.Clear();
    SetTimers(false);
    playing_ = false;
    bool stopped = true;
    if (dataType_ == kxFlash) stopped = Attempt([&] { FlashPlayer(windowControl_.get()).StopAndRewind(); });
    if (UsesGraph()) stopped = ReleaseGraph();
    if (stopped && remaining_.Empty()) RaiseEvent(kActionStopEvent);
    return stopped;
}

// Stops the graph, if any, and drops the four references even when the stop fails; whether it stopped.
bool KxMedia::ReleaseGraph() {
    const bool stopped = !player_ || Attempt([&] { StopGraph(player_.get()); });
    player_.Set(nullptr);
    playerPos_.Set(nullptr);
    playerWindow_.Set(nullptr);
    playerAudio_.Set(nullptr);
    return stopped;
}

bool KxMedia::Forward() {
    RaiseEvent(kActionForewardEvent);
    return Attempt([&] {
        if (dataType_ == kxFlash)
            FlashPlayer(windowControl_.get()).StepForward();
        else if (UsesGraph() && player_)
            MoveBy(kStepSeconds);
    });
}

bool KxMedia::Backward() {
    RaiseEvent(kActionBackwardEvent);
    return Attempt([&] {
        if (dataType_ == kxFlash)
            FlashPlayer(windowControl_.get()).StepBack();
        else if (UsesGraph() && player_)
            MoveBy(-kStepSeconds);
    });
}

// A step back that would pass the start stops there.
void KxMedia::MoveBy(double seconds) {
    const double target = GraphPosition(playerPos_.get()) + seconds;
    SeekGraph(playerPos_.get(), target >= 0 ? target : 0);
}

void KxMedia::SetTimers(bool enabled) {
    timer1_->SetEnabled(enabled);
    timer2_->SetEnabled(enabled);
}

// --- timers ---

// Timer1: the end of a file, then the position (-1 once playback has stopped).
void KxMedia::PositionTick() {
    if (!playing_ || !UsesGraph()) return;
    Attempt([&] {
        if (GraphPosition(playerPos_.get()) >= GraphDuration(playerPos_.get())) HandleEndOfFile();
    });
    DoEvents();
    if (!playing_) {
        RaisePositionChange(-1);
        return;
    }
    long position = 0;
    if (Attempt([&] { position = PositionUnits(GraphPosition(playerPos_.get())); }) && position != 0)
        RaisePositionChange(position);
}

// With RepeatEvery, the file starts again at once (Repeat) or after Timer2's countdown; without it the next
// entry plays, or the list starts over under Repeat.
void KxMedia::HandleEndOfFile() {
    if (repeatEvery_ != 0) {
        if (repeat_)
            ResumeFromStart();
        else
            Pause();
        return;
    }
    Stop(false);
    if (!remaining_.Empty() || (!fileName_.empty() && repeat_)) Play();
}

// Timer2: counts the seconds the player stands still and plays again after RepeatEvery of them.
void KxMedia::RestartTick() {
    if (playing_) return;
    if (++restartCount_ < repeatEvery_) return;
    Attempt([&] { Play(); });
    restartCount_ = 0;
}

void KxMedia::RaisePositionChange(long position) {
    VARIANT argument;
    argument.vt = VT_BYREF | VT_I4;
    argument.plVal = &position;
    RaiseEvent(kPositionChangeEvent, &argument, 1);
}

// --- life cycle ---

void KxMedia::InitProperties() {
    fileName_.clear();
    dataType_ = kDefaultDataType;
    enabled_ = kDefaultEnabled;
    repeat_ = kDefaultRepeat;
    duration_ = kDefaultDuration;
    repeatEvery_ = kDefaultRepeatEvery;
    SetTimers(false);
}

// In run mode the timers start, so playback begins RepeatEvery seconds after loading.
void KxMedia::ReadProperties(const PropertyReader& bag) {
    fileName_ = bag.Text(L"FileName", L"");
    dataType_ = bag.Long(L"DataType", kDefaultDataType);
    enabled_ = bag.Boolean(L"Enabled", kDefaultEnabled);
    repeat_ = bag.Boolean(L"Repeat", kDefaultRepeat);
    duration_ = bag.Long(L"Duration", kDefaultDuration);
    repeatEvery_ = bag.Long(L"RepeatEvery", kDefaultRepeatEvery);
    SetTimers(Ambient().UserMode());
}

void KxMedia::WriteProperties(const PropertyWriter& bag) {
    bag.Text(L"FileName", fileName_, L"");
    bag.Long(L"DataType", dataType_, kDefaultDataType);
    bag.Boolean(L"Enabled", enabled_, kDefaultEnabled);
    bag.Boolean(L"Repeat", repeat_, kDefaultRepeat);
    bag.Long(L"Duration", duration_, kDefaultDuration);
    bag.Long(L"RepeatEvery", repeatEvery_, kDefaultRepeatEvery);
}

// A fixed size, whatever the host asks.
void KxMedia::Resize() {
    if (WidthTwips() != kSizeTwips) SetWidthTwips(kSizeTwips);
    if (HeightTwips() != kSizeTwips) SetHeightTwips(kSizeTwips);
}

void KxMedia::Paint() { DrawMediaFace(Hdc(), ScaleWidth(), ScaleHeight()); }

// Playback ends with the control; a caller's pending error survives the clean-up.
void KxMedia::Terminate() {
    const PendingErrorKeeper keeper;
    Stop(true);
    ReleaseGraph();
    SetTimers(false);
}

}  // namespace kx
