#pragma once
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KxMedia.h"
#include "RiffWriter.h"
#include "TestSupport.h"

// Media files written into a scratch folder, and a media player placed in the project's container with its
// events recorded.
namespace kxtest {

constexpr DISPID kPositionChange = 1;
constexpr DISPID kActionStop = 2;
constexpr DISPID kActionPlay = 3;
constexpr DISPID kActionPause = 4;
constexpr DISPID kActionBackward = 5;
constexpr DISPID kActionForeward = 6;

class MediaFiles {
public:
    std::wstring Write(const std::wstring& name, const std::vector<uint8_t>& bytes) const {
        const std::wstring path = folder_.File(name);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return path;
    }
    std::wstring Wave(const std::wstring& name, double seconds) const { return Write(name, WaveFile(seconds)); }
    std::wstring Avi(const std::wstring& name, const AviSpec& spec = {}) const { return Write(name, AviFile(spec)); }
    std::wstring Folder(const std::wstring& name) const {
        const std::wstring path = folder_.File(name);
        CreateDirectoryW(path.c_str(), nullptr);
        return path;
    }
    std::wstring Missing(const std::wstring& name) const { return folder_.File(name); }

private:
    ScratchFolder folder_;
};

// Entries joined by CR LF, without a final one.
inline std::wstring PlayListOf(const std::vector<std::wstring>& entries) {
    std::wstring list;
    for (const std::wstring& entry : entries) list += (list.empty() ? L"" : L"\r\n") + entry;
    return list;
}

class HostedMedia {
public:
    explicit HostedMedia(IPropertyBag* bag = nullptr, bool userMode = true) : window_(320, 240) {
        host_ = new kx::ControlHost(window_.hwnd());
        host_->SetUserMode(userMode);
        media = new kx::KxMedia();
        site_ = host_->PlaceObject(static_cast<IOleObject*>(media), L"media", RECT{10, 10, 58, 58}, bag,
                                   [this](DISPID id, DISPPARAMS* params) { Record(id, params); });
    }
    ~HostedMedia() {
        delete host_;
        if (media) media->Release();
    }
    HostedMedia(const HostedMedia&) = delete;
    HostedMedia& operator=(const HostedMedia&) = delete;

    HWND HostWindow() const { return window_.hwnd(); }
    kx::ControlSite* Site() const { return site_; }

    bool Play() const { return Answer(media->mPlay(&answer_)); }
    bool Pause() const { return Answer(media->mPause(&answer_)); }
    bool Stop(bool forced = true) const { return Answer(media->mStop(forced ? VARIANT_TRUE : VARIANT_FALSE, &answer_)); }
    bool Forward() const { return Answer(media->mForeward(&answer_)); }
    bool Backward() const { return Answer(media->mBackward(&answer_)); }

    void SetFileName(const std::wstring& name) const {
        BSTR text = SysAllocStringLen(name.data(), static_cast<UINT>(name.size()));
        media->put_FileName(text);
        SysFreeString(text);
    }
    void SetRepeat(bool repeat) const { media->put_Repeat(repeat ? VARIANT_TRUE : VARIANT_FALSE); }
    void SetRepeatEvery(long seconds) const { media->put_RepeatEvery(seconds); }
    void SetDataType(long type) const { media->put_DataType(static_cast<kxMediaType>(type)); }
    bool Playing() const {
        VARIANT_BOOL playing = VARIANT_FALSE;
        media->get_Playing(&playing);
        return playing != VARIANT_FALSE;
    }
    long Duration() const {
        LONG duration = -1;
        media->get_Duration(&duration);
        return duration;
    }
    bool HasPlayer() const {
        IDispatch* player = nullptr;
        media->get_Player(&player);
        if (player) player->Release();
        return player != nullptr;
    }

    // Events in the order raised, with the time and the Duration at each; PositionChange's values apart.
    std::vector<DISPID> events;
    std::vector<DWORD> times;
    std::vector<long> durations;
    std::vector<long> positions;
    int Count(DISPID id) const {
        int count = 0;
        for (DISPID e : events) count += e == id;
        return count;
    }
    // Events other than PositionChange, in order.
    std::vector<DISPID> Actions() const {
        std::vector<DISPID> actions;
        for (DISPID e : events)
            if (e != kPositionChange) actions.push_back(e);
        return actions;
    }
    void ClearEvents() {
        events.clear();
        times.clear();
        durations.clear();
        positions.clear();
    }
    std::function<void(DISPID)> onEvent;  // runs after recording

    kx::KxMedia* media = nullptr;

private:
    void Record(DISPID id, DISPPARAMS* params) {
        events.push_back(id);
        times.push_back(GetTickCount());
        durations.push_back(Duration());
        if (id == kPositionChange && params && params->cArgs == 1) {
            const VARIANT& arg = params->rgvarg[0];
            positions.push_back(arg.vt == (VT_BYREF | VT_I4) ? *arg.plVal : arg.lVal);
        }
        if (onEvent) onEvent(id);
    }
    bool Answer(HRESULT hr) const { return SUCCEEDED(hr) && answer_ != VARIANT_FALSE; }

    kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::ControlSite* site_ = nullptr;
    mutable VARIANT_BOOL answer_ = VARIANT_FALSE;
};

}  // namespace kxtest
