#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "GifWriter.h"
#include "KxGifPlayer.h"
#include "TestSupport.h"

// GIF players for tests, outside any container, and GIF files written into a scratch folder.
namespace kxtest {

inline void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// frames frames of width x height in colours 1, 2, 3, ... of a four-colour table, each with the delay.
inline GifSpec Animation(int frames, uint16_t width, uint16_t height, uint16_t delay) {
    GifSpec spec;
    spec.width = width;
    spec.height = height;
    spec.globalTable = {0, 0, 0, 200, 30, 60, 20, 160, 40, 10, 20, 230};
    spec.globalSizeCode = 1;
    for (int i = 0; i < frames; ++i) {
        GifFrameSpec f;
        f.width = width;
        f.height = height;
        f.indexes.assign(size_t(width) * height, static_cast<uint8_t>(1 + i % 3));
        f.minCodeSize = 2;
        f.graphicControl = true;
        f.delay = delay;
        spec.frames.push_back(f);
    }
    return spec;
}

inline COLORREF AnimationColour(int frame) {
    const COLORREF colours[] = {RGB(200, 30, 60), RGB(20, 160, 40), RGB(10, 20, 230)};
    return colours[frame % 3];
}

class LoosePlayer {
public:
    // initNew false: a player left for a container to load.
    explicit LoosePlayer(int width = 186, int height = 130, bool initNew = true) {
        if (initNew) {
            IPersistStreamInit* persist = nullptr;
            player->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
            persist->InitNew();
            persist->Release();
        }
        Resize(width, height);
    }
    ~LoosePlayer() {
        if (player) player->Release();
    }
    LoosePlayer(const LoosePlayer&) = delete;
    LoosePlayer& operator=(const LoosePlayer&) = delete;

    IOleObject* Ole() const { return static_cast<IOleObject*>(player); }
    void Resize(int width, int height) const {
        SIZEL size = {MulDiv(width, 2540, 96), MulDiv(height, 2540, 96)};
        Ole()->SetExtent(DVASPECT_CONTENT, &size);
    }
    // Init through the interface; the HRESULT.
    HRESULT Init(const std::wstring& path, bool* opened = nullptr) const {
        BSTR name = SysAllocString(path.c_str());
        VARIANT_BOOL result = VARIANT_FALSE;
        const HRESULT hr = player->Init(name, &result);
        SysFreeString(name);
        if (opened) *opened = result != VARIANT_FALSE;
        return hr;
    }
    long FrameIndex() const {
        LONG index = 0;
        player->get_FrameIndex(&index);
        return index;
    }
    COLORREF At(int x, int y) const { return GetPixel(player->SurfaceDc(), x, y); }

    kx::KxGifPlayer* player = new kx::KxGifPlayer();
};

// The description of the error the last failed call left.
inline std::wstring LastErrorText() {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || !info) return L"";
    BSTR text = nullptr;
    info->GetDescription(&text);
    info->Release();
    return TakeBstr(text);
}

}  // namespace kxtest
