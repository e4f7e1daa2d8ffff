// kxGifPlayer as a control: playback by its timer, the fits, the records through the interface,
// errors with their numbers and texts, persistence, handles, and hosting in both containers.
#include <gtest/gtest.h>

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "GdiTestSupport.h"
#include "GifPlayerFixture.h"
#include "PersistenceTestSupport.h"

namespace {

using kxtest::Animation;
using kxtest::LoosePlayer;

// A GIF file in a scratch folder, removed with it.
struct GifFile {
    explicit GifFile(const kxtest::GifSpec& spec, const wchar_t* name = L"anim.gif") : path(folder.File(name)) {
        kxtest::WriteBytes(path, kxtest::WriteGif(spec));
    }
    explicit GifFile(const std::vector<uint8_t>& bytes, const wchar_t* name = L"anim.gif") : path(folder.File(name)) {
        kxtest::WriteBytes(path, bytes);
    }
    kxtest::ScratchFolder folder;
    std::wstring path;
};

// Pumps messages until the condition holds or 10 seconds pass.
bool PumpUntil(const std::function<bool()>& condition) {
    const DWORD end = GetTickCount() + 10000;
    while (!condition()) {
        if (static_cast<LONG>(GetTickCount() - end) > 0) return false;
        kxtest::PumpMessages(5);
    }
    return true;
}

// The player's events on a sink of its own: ImageComplete records FrameIndex, Progress the row.
class PlayerSink : public IDispatch {
public:
    explicit PlayerSink(kx::KxGifPlayer* player) : player_(player) {
        IConnectionPointContainer* points = nullptr;
        player->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points));
        points->FindConnectionPoint(DIID___kxGifPlayer, &point_);
        points->Release();
        point_->Advise(this, &cookie_);
    }
    ~PlayerSink() {
        point_->Unadvise(cookie_);
        point_->Release();
    }
    PlayerSink(const PlayerSink&) = delete;
    PlayerSink& operator=(const PlayerSink&) = delete;

    std::vector<long> completed;  // FrameIndex at each ImageComplete
    std::vector<long> rows;
    std::function<void()> onEvent;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != DIID___kxGifPlayer) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        if (id == 1) rows.push_back(params->rgvarg[0].lVal);
        if (id == 2) {
            LONG index = 0;
            player_->get_FrameIndex(&index);
            completed.push_back(index);
        }
        if (onEvent) onEvent();
        return S_OK;
    }

private:
    kx::KxGifPlayer* player_;
    IConnectionPoint* point_ = nullptr;
    DWORD cookie_ = 0;
};

TEST(GifPlayerTest, InitOpensWithoutPlayingAndTheTimerPlaysFrameAfterFrame) {
    GifFile file(Animation(3, 8, 6, 0));
    LoosePlayer p;
    PlayerSink sink(p.player);
    EXPECT_EQ(0u, p.player->Timer1().Interval());
    bool opened = false;
    ASSERT_EQ(S_OK, p.Init(file.path, &opened));
    EXPECT_TRUE(opened);
    EXPECT_EQ(-1, p.FrameIndex());
    EXPECT_FALSE(p.player->Timer1().Running());
    kxtest::PumpMessages(50);
    EXPECT_TRUE(sink.completed.empty());

    ASSERT_EQ(S_OK, p.player->GifPlay());
    EXPECT_EQ(1u, p.player->Timer1().Interval());
    ASSERT_TRUE(PumpUntil([&] { return sink.completed.size() >= 5; }));
    p.player->GifStop();
    EXPECT_EQ((std::vector<long>{0, 1, 2, 0, 1}), std::vector<long>(sink.completed.begin(), sink.completed.begin() + 5));
    EXPECT_FALSE(p.player->Timer1().Running());
    EXPECT_NE(nullptr, p.player->PicView());  // the picture stays
}

TEST(GifPlayerTest, RepeatFalseStopsOnTheLastFrame) {
    GifFile file(Animation(3, 8, 6, 0));
    LoosePlayer p;
    PlayerSink sink(p.player);
    p.player->put_Repeat(VARIANT_FALSE);
    ASSERT_EQ(S_OK, p.Init(file.path));
    p.player->GifPlay();
    ASSERT_TRUE(PumpUntil([&] { return !p.player->Timer1().Running(); }));
    EXPECT_EQ((std::vector<long>{0, 1, 2}), sink.completed);
    EXPECT_EQ(2, p.FrameIndex());
    EXPECT_EQ(kxtest::AnimationColour(2), p.At(3, 3));
}

// The interval each tick sets, read from the timer: DelayTime x 6.3 ms, halves to even, at least 1.
TEST(GifPlayerTest, TicksSetTheFrameDelayTimesSixPointThree) {
    const struct {
        uint16_t delay;
        UINT interval;
    } cases[] = {{10, 63}, {0, 1}, {5, 32}, {1, 6}, {15, 94}, {40000, 252000}};
    for (const auto& c : cases) {
        GifFile file(Animation(2, 2, 2, c.delay));
        LoosePlayer p;
        ASSERT_EQ(S_OK, p.Init(file.path));
        p.player->Timer1().Tick();
        EXPECT_EQ(c.interval, p.player->Timer1().Interval()) << c.delay;
        LONG delay = 0;
        p.player->get_DelayTime(&delay);
        EXPECT_EQ(c.delay, delay);
    }
}

TEST(GifPlayerTest, ShowTypesDrawThePictureInTheirSizes) {
    GifFile file(Animation(1, 100, 100, 0));
    const COLORREF red = kxtest::AnimationColour(0);
    const struct {
        kxGifShowType type;
        int width, height;
        POINT inside, outside;  // last drawn pixel, first pixel beyond
    } cases[] = {
        {kxgActual, 300, 100, {99, 99}, {100, 50}},
        {kxgActual, 50, 200, {49, 99}, {20, 100}},
        {kxgStretch, 300, 100, {299, 99}, {-1, -1}},
        {kxgClip, 300, 100, {99, 99}, {100, 50}},
        {kxgClip, 50, 200, {49, 49}, {20, 50}},
        {kxgClip, 150, 200, {149, 149}, {20, 150}},
    };
    for (const auto& c : cases) {
        LoosePlayer p(c.width, c.height);
        p.player->put_ShowType(c.type);
        ASSERT_EQ(S_OK, p.Init(file.path));
        p.player->Timer1().Tick();
        EXPECT_EQ(red, p.At(c.inside.x, c.inside.y)) << c.type << " " << c.width << "x" << c.height;
        if (c.outside.x >= 0) {
            EXPECT_NE(red, p.At(c.outside.x, c.outside.y)) << c.type << " " << c.width;
        }
    }
}

TEST(GifPlayerTest, AutoSizeTakesTheScreenSizeOnTheFirstTick) {
    GifFile file(Animation(1, 64, 48, 0));
    LoosePlayer p;
    p.player->put_AutoSize(VARIANT_TRUE);
    ASSERT_EQ(S_OK, p.Init(file.path));
    RECT before = {};
    GetClientRect(kxtest::WindowOf(p.Ole()), &before);
    EXPECT_EQ(186, before.right);
    p.player->Timer1().Tick();
    RECT after = {};
    GetClientRect(kxtest::WindowOf(p.Ole()), &after);
    EXPECT_EQ(64, after.right);
    EXPECT_EQ(48, after.bottom);
}

// Image: Nothing before Init, the black screen after it, the composed frame after a move; its
// pixels are the display buffer's.
TEST(GifPlayerTest, ImageIsTheComposedScreen) {
    kxtest::GifSpec spec = Animation(2, 5, 4, 0);
    spec.frames[1].width = 2;
    spec.frames[1].height = 2;
    spec.frames[1].left = 3;
    spec.frames[1].top = 2;
    spec.frames[1].indexes.assign(4, 3);
    GifFile file(spec);
    LoosePlayer p;
    IPictureDisp* picture = reinterpret_cast<IPictureDisp*>(1);
    ASSERT_EQ(S_OK, p.player->get_Image(&picture));
    EXPECT_EQ(nullptr, picture);
    ASSERT_EQ(S_OK, p.Init(file.path));
    auto pixels = [&] {
        IPictureDisp* image = nullptr;
        p.player->get_Image(&image);
        EXPECT_NE(nullptr, image);
        IPicture* pic = nullptr;
        image->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&pic));
        OLE_HANDLE handle = 0;
        pic->get_Handle(&handle);
        HDC dc = GetDC(nullptr);
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), 5, -4, 1, 24, BI_RGB}};
        std::vector<uint8_t> bits(16 * 4);
        GetDIBits(dc, reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), 0, 4, bits.data(), &info,
                  DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        pic->Release();
        image->Release();
        return bits;
    };
    auto at = [](const std::vector<uint8_t>& bits, int x, int y) {
        const uint8_t* p = bits.data() + y * 16 + x * 3;
        return RGB(p[2], p[1], p[0]);
    };
    EXPECT_EQ(RGB(0, 0, 0), at(pixels(), 2, 2));
    VARIANT_BOOL moved = VARIANT_FALSE;
    p.player->MoveNext(&moved);
    p.player->MoveNext(&moved);
    const std::vector<uint8_t> second = pixels();
    EXPECT_EQ(kxtest::AnimationColour(0), at(second, 0, 0));
    EXPECT_EQ(kxtest::AnimationColour(2), at(second, 4, 3));
    EXPECT_EQ(kxtest::AnimationColour(0), at(second, 2, 3));
}

// The records and arrays as the interface reports them.
TEST(GifPlayerTest, RecordsAndArraysThroughTheInterface) {
    kxtest::GifSpec spec = Animation(1, 3, 2, 7);
    spec.backgroundIndex = 2;
    spec.frames[0].transparent = true;
    spec.frames[0].transparentIndex = 3;
    spec.frames[0].disposal = 2;
    spec.frames[0].left = 1;
    GifFile file(spec);
    LoosePlayer p;
    ASSERT_EQ(S_OK, p.Init(file.path));
    VARIANT_BOOL moved = VARIANT_FALSE;
    ASSERT_EQ(S_OK, p.player->MoveNext(&moved));
    BSTR signature = nullptr;
    p.player->get_SigVersion(&signature);
    EXPECT_EQ(L"GIF89a", kxtest::TakeBstr(signature));
    LONG value = 0;
    p.player->get_ScreenWidth(&value);
    EXPECT_EQ(3, value);
    p.player->get_GlobalLutSize(&value);
    EXPECT_EQ(4, value);
    p.player->get_BackgroundColor(&value);
    EXPECT_EQ(static_cast<LONG>(kxtest::AnimationColour(1)), value);
    p.player->get_TransparentColor(&value);
    EXPECT_EQ(static_cast<LONG>(kxtest::AnimationColour(2)), value);
    p.player->get_ImageLeft(&value);
    EXPECT_EQ(1, value);
    UcsGifDisposalMethod disposal = ucsDisposalNone;
    p.player->get_DisposalMethod(&disposal);
    EXPECT_EQ(ucsDisposalBackground, disposal);
    SAFEARRAY* bits = nullptr;
    ASSERT_EQ(S_OK, p.player->get_ImageBits(&bits));
    LONG low = -1, high = -1;
    SafeArrayGetLBound(bits, 1, &low);
    SafeArrayGetUBound(bits, 1, &high);
    EXPECT_EQ(0, low);
    EXPECT_EQ(6, high);  // width x height
    uint8_t* data = nullptr;
    SafeArrayAccessData(bits, reinterpret_cast<void**>(&data));
    EXPECT_EQ(1, data[5]);
    SafeArrayUnaccessData(bits);
    SafeArrayDestroy(bits);
    SAFEARRAY* lut = nullptr;
    ASSERT_EQ(S_OK, p.player->get_ImageLut(&lut));
    SafeArrayGetUBound(lut, 1, &high);
    EXPECT_EQ(767, high);
    SafeArrayDestroy(lut);
}

std::vector<uint8_t> CutAfterFirstFrame() {
    std::vector<uint8_t> bytes = kxtest::WriteGif(Animation(2, 4, 4, 0));
    bytes.resize(bytes.size() - 6);
    return bytes;
}

std::vector<uint8_t> BadCode() {
    kxtest::GifSpec spec = Animation(1, 4, 1, 0);
    kxtest::CodePacker codes;
    codes.Put(4, 3);
    codes.Put(7, 3);
    spec.frames[0].rawData = codes.Finish();
    return kxtest::WriteGif(spec);
}

// Bad files and names: the numbers and texts a caller sees, and the control stays usable.
TEST(GifPlayerTest, ErrorsReachTheCallerWithTheirNumbersAndTexts) {
    std::vector<uint8_t> notGif = kxtest::WriteGif(Animation(1, 2, 2, 0));
    notGif[4] = '8';
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool failsInInit;
        HRESULT hr;
        const wchar_t* text;
    } cases[] = {
        {"not a GIF", notGif, true, static_cast<HRESULT>(0x800A0009), L"Invalid GIF file"},
        {"a cut file", CutAfterFirstFrame(), false, static_cast<HRESULT>(0x80040004), L"Input past end of file"},
        {"a bad code", BadCode(), false, static_cast<HRESULT>(0x80040003), L"Invalid LZW code encountered"},
        {"a cut header", {'G', 'I', 'F', '8', '9', 'a', 1}, true, static_cast<HRESULT>(0x80040004),
         L"Input past end of file"},
    };
    for (const Case& c : cases) {
        GifFile file(c.bytes);
        LoosePlayer p;
        HRESULT hr = p.Init(file.path);
        if (!c.failsInInit) {
            ASSERT_EQ(S_OK, hr) << c.name;
            VARIANT_BOOL moved = VARIANT_FALSE;
            do hr = p.player->MoveNext(&moved);
            while (hr == S_OK && moved);
        }
        EXPECT_EQ(c.hr, hr) << c.name;
        EXPECT_EQ(c.text, kxtest::LastErrorText()) << c.name;
        // Usable afterwards: a good file opens and plays.
        GifFile good(Animation(1, 2, 2, 0), L"good.gif");
        bool opened = false;
        EXPECT_EQ(S_OK, p.Init(good.path, &opened)) << c.name;
        EXPECT_TRUE(opened);
        VARIANT_BOOL moved = VARIANT_FALSE;
        EXPECT_EQ(S_OK, p.player->MoveNext(&moved));
        EXPECT_TRUE(moved);
    }
}

TEST(GifPlayerTest, NamesThatAreMissingFoldersOrPersian) {
    kxtest::ScratchFolder folder;
    LoosePlayer p;
    bool opened = true;
    EXPECT_EQ(S_OK, p.Init(folder.File(L"missing.gif"), &opened));
    EXPECT_FALSE(opened);
    EXPECT_EQ(S_OK, p.Init(L"", &opened));  // the same FileName again
    EXPECT_FALSE(opened);
    EXPECT_EQ(static_cast<HRESULT>(0x800A004B), p.Init(folder.path(), &opened));
    EXPECT_EQ(L"Path/File access error", kxtest::LastErrorText());
    const std::wstring persian = folder.File(L"\u0627\u0628\u062c\u062f.gif");
    kxtest::WriteBytes(persian, kxtest::WriteGif(Animation(1, 2, 2, 0)));
    EXPECT_EQ(S_OK, p.Init(persian, &opened));
    EXPECT_TRUE(opened);
    BSTR name = nullptr;
    p.player->get_FileName(&name);
    EXPECT_EQ(persian, kxtest::TakeBstr(name));
    EXPECT_EQ(static_cast<HRESULT>(0x800A017C), p.player->put_ShowType(static_cast<kxGifShowType>(3)));
    EXPECT_EQ(static_cast<HRESULT>(0x800A017C), p.player->put_ShowType(static_cast<kxGifShowType>(-1)));
}

// From inside the decoder's own events the moves are refused with error 5; the frame being decoded
// still comes out whole.
TEST(GifPlayerTest, MovesFromInsideTheEventsAreRefused) {
    GifFile file(Animation(2, 4, 30, 0));
    LoosePlayer p;
    PlayerSink sink(p.player);
    std::vector<HRESULT> results;
    sink.onEvent = [&] {
        VARIANT_BOOL moved = VARIANT_FALSE;
        results.push_back(p.player->MoveNext(&moved));
        results.push_back(p.player->MoveFirst(&moved));
        results.push_back(p.player->MoveLast(&moved));
        results.push_back(p.player->MergeCurrentImage());
        results.push_back(p.Init(file.path));
    };
    ASSERT_EQ(S_OK, p.Init(file.path));
    VARIANT_BOOL moved = VARIANT_FALSE;
    ASSERT_EQ(S_OK, p.player->MoveNext(&moved));
    ASSERT_FALSE(results.empty());
    for (HRESULT hr : results) EXPECT_EQ(static_cast<HRESULT>(0x800A0005), hr);
    EXPECT_EQ(2u, sink.rows.size());
    EXPECT_EQ(0, p.FrameIndex());
    sink.onEvent = nullptr;
    ASSERT_EQ(S_OK, p.player->MoveNext(&moved));
    EXPECT_EQ(1, p.FrameIndex());
}

// A tick that meets an error, no file or no frames stops the timer instead of ticking on.
TEST(GifPlayerTest, TicksStopOnErrorsAndOnNothingToPlay) {
    {
        GifFile file(CutAfterFirstFrame());
        LoosePlayer p;
        ASSERT_EQ(S_OK, p.Init(file.path));
        p.player->GifPlay();
        p.player->Timer1().Tick();
        EXPECT_TRUE(p.player->Timer1().Running());
        p.player->Timer1().Tick();
        EXPECT_FALSE(p.player->Timer1().Running());
        EXPECT_NE(nullptr, p.player->PicView());
        EXPECT_EQ(kxtest::AnimationColour(0), p.At(1, 1));
    }
    {
        LoosePlayer p;
        p.player->GifPlay();
        p.player->Timer1().Tick();
        EXPECT_FALSE(p.player->Timer1().Running());
    }
    {
        GifFile file(Animation(0, 4, 4, 0));
        LoosePlayer p;
        ASSERT_EQ(S_OK, p.Init(file.path));
        p.player->GifPlay();
        p.player->Timer1().Tick();
        EXPECT_FALSE(p.player->Timer1().Running());
    }
}

IPersistPropertyBag* Persist(kx::KxGifPlayer* player) {
    IPersistPropertyBag* persist = nullptr;
    player->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    persist->Release();  // the player keeps it alive
    return persist;
}

TEST(GifPlayerTest, BagRoundTripsAndALoadedFileNameNeitherOpensNorPlays) {
    GifFile file(Animation(2, 4, 4, 0));
    LoosePlayer fresh;
    kxtest::SavedBag empty;
    ASSERT_EQ(S_OK, Persist(fresh.player)->Save(empty.bag, TRUE, TRUE));
    EXPECT_TRUE(empty.Keys().empty());

    LoosePlayer source;
    BSTR name = SysAllocString(file.path.c_str());
    source.player->put_FileName(name);
    SysFreeString(name);
    source.player->put_ShowType(kxgClip);
    source.player->put_Repeat(VARIANT_FALSE);
    source.player->put_AutoSize(VARIANT_TRUE);
    kxtest::SavedBag saved;
    ASSERT_EQ(S_OK, Persist(source.player)->Save(saved.bag, TRUE, TRUE));
    EXPECT_EQ((std::vector<std::wstring>{L"FileName", L"ShowType", L"Repeat", L"AutoSize"}), saved.Keys());

    LoosePlayer loaded(186, 130, false);
    ASSERT_EQ(S_OK, Persist(loaded.player)->Load(saved.bag, nullptr));
    BSTR loadedName = nullptr;
    loaded.player->get_FileName(&loadedName);
    EXPECT_EQ(file.path, kxtest::TakeBstr(loadedName));
    kxGifShowType type = kxgActual;
    loaded.player->get_ShowType(&type);
    EXPECT_EQ(kxgClip, type);
    VARIANT_BOOL flag = VARIANT_TRUE;
    loaded.player->get_Repeat(&flag);
    EXPECT_EQ(VARIANT_FALSE, flag);
    loaded.player->get_AutoSize(&flag);
    EXPECT_EQ(VARIANT_TRUE, flag);
    kxtest::PumpMessages(50);
    EXPECT_EQ(-1, loaded.FrameIndex());
    LONG width = -1;
    loaded.player->get_ScreenWidth(&width);
    EXPECT_EQ(0, width);
    EXPECT_FALSE(loaded.player->Timer1().Running());
    EXPECT_EQ(nullptr, loaded.player->PicView());
}

// GDI objects and kernel handles stay flat over many ticks and Init cycles; the file is free to be
// deleted once the next Init or the player's end has closed it.
TEST(GifPlayerTest, HandlesStayFlatAndFilesAreReleased) {
    GifFile file(Animation(3, 16, 16, 0));
    GifFile other(Animation(1, 4, 4, 0), L"other.gif");
    LoosePlayer p;
    ASSERT_EQ(S_OK, p.Init(file.path));
    for (int i = 0; i < 20; ++i) p.player->Timer1().Tick();
    const DWORD gdi = kxtest::GdiObjectCount();
    DWORD handles = 0, handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    for (int i = 0; i < 1000; ++i) p.player->Timer1().Tick();
    for (int i = 0; i < 200; ++i) ASSERT_EQ(S_OK, p.Init(file.path));
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_LE(kxtest::GdiObjectCount(), gdi + 2);
    EXPECT_LE(handlesAfter, handles + 2);

    ASSERT_EQ(S_OK, p.Init(other.path));
    EXPECT_TRUE(DeleteFileW(file.path.c_str()));
    p.player->Release();
    p.player = nullptr;
    EXPECT_TRUE(DeleteFileW(other.path.c_str()));
}

// The player's end keeps a caller's pending error.
TEST(GifPlayerTest, DestroyingThePlayerKeepsThePendingError) {
    auto* player = new kx::KxGifPlayer();
    GifFile file(Animation(1, 2, 2, 0));
    BSTR name = SysAllocString(file.path.c_str());
    VARIANT_BOOL opened = VARIANT_FALSE;
    player->Init(name, &opened);
    SysFreeString(name);
    ICreateErrorInfo* create = nullptr;
    CreateErrorInfo(&create);
    create->SetDescription(const_cast<LPOLESTR>(L"caller's error"));
    IErrorInfo* info = nullptr;
    create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
    SetErrorInfo(0, info);
    info->Release();
    create->Release();
    player->Release();
    EXPECT_EQ(L"caller's error", kxtest::LastErrorText());
}

// In the project's container: the timer plays and ImageComplete reaches the host's sink.
TEST(GifPlayerTest, PlaysInTheContainer) {
    GifFile file(Animation(3, 8, 8, 0));
    kxtest::HostWindow window(300, 200);
    auto* host = new kx::ControlHost(window.hwnd());
    auto* player = new kx::KxGifPlayer();
    int completed = 0;
    host->PlaceObject(static_cast<IOleObject*>(player), L"gifTest", RECT{10, 10, 196, 140}, nullptr,
                      [&](DISPID id, DISPPARAMS*) { completed += id == 2; });
    BSTR name = SysAllocString(file.path.c_str());
    VARIANT_BOOL opened = VARIANT_FALSE;
    ASSERT_EQ(S_OK, player->Init(name, &opened));
    SysFreeString(name);
    player->GifPlay();
    EXPECT_TRUE(PumpUntil([&] { return completed >= 4; }));
    LONG index = 0;
    player->get_FrameIndex(&index);
    EXPECT_GE(index, 0);
    player->GifStop();
    delete host;
    player->Release();
}

// In Wine's AtlAxWin, created by name: Init and GifPlay late-bound, frames advance.
TEST(GifPlayerTest, PlaysInWinesAtlAxWin) {
    using AxInit = BOOL(WINAPI*)();
    using AxCreate = HRESULT(WINAPI*)(LPCOLESTR, HWND, IStream*, IUnknown**, IUnknown**, REFIID, IUnknown*);
    HMODULE atl = LoadLibraryW(L"atl.dll");
    ASSERT_NE(nullptr, atl);
    auto init = reinterpret_cast<AxInit>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
    auto create = reinterpret_cast<AxCreate>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxCreateControlEx")));
    ASSERT_TRUE(init && create);
    init();  // fails harmlessly when another test registered the class first
    GifFile file(Animation(3, 8, 8, 0));
    kxtest::HostWindow window(300, 200);
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 0, 0, 186, 130, window.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, place);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(S_OK, create(L"Korvix32.kxGifPlayer", place, nullptr, &container, &control, IID_NULL, nullptr));
    IDispatch* player = nullptr;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&player)));
    VARIANT arg = kxtest::Text(file.path.c_str());
    DISPPARAMS params = {&arg, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, player->Invoke(kxtest::DispIdOf(player, L"Init"), IID_NULL, 0, DISPATCH_METHOD, &params, &result,
                                   nullptr, nullptr));
    EXPECT_EQ(VARIANT_TRUE, result.boolVal);
    VariantClear(&arg);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    ASSERT_EQ(S_OK, player->Invoke(kxtest::DispIdOf(player, L"GifPlay"), IID_NULL, 0, DISPATCH_METHOD, &none, nullptr,
                                   nullptr, nullptr));
    EXPECT_TRUE(PumpUntil([&] { return kxtest::GetProperty(player, L"FrameIndex").lVal >= 2; }));
    player->Invoke(kxtest::DispIdOf(player, L"GifStop"), IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr,
                   nullptr);
    player->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
}

}  // namespace
