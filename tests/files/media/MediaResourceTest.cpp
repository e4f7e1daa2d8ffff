// What playback leaves behind: GDI objects, handles and threads stay flat over many starts and stops, a
// stopped file can be deleted, and a host may drop the control from an event of its own tick.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include "GdiTestSupport.h"
#include "MediaFixture.h"

namespace {

using kxtest::HostedMedia;
using kxtest::MediaFiles;

DWORD ThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {sizeof(entry)};
    DWORD count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

DWORD HandleCount() {
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    return handles;
}

TEST(MediaResourceTest, PlayAndStopCyclesKeepCountsFlatAndReleaseTheFile) {
    MediaFiles files;
    const std::wstring path = files.Wave(L"one.wav", 1);
    HostedMedia m;
    m.SetFileName(path);
    for (int i = 0; i < 5; ++i) {  // whatever the graph keeps once loaded
        ASSERT_TRUE(m.Play());
        ASSERT_TRUE(m.Stop());
    }
    kxtest::PumpMessages(200);
    const DWORD gdi = kxtest::GdiObjectCount(), handles = HandleCount(), threads = ThreadCount();
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(m.Play()) << i;
        ASSERT_TRUE(m.Stop()) << i;
    }
    kxtest::PumpMessages(200);
    EXPECT_LE(kxtest::GdiObjectCount(), gdi + 4);
    EXPECT_LE(HandleCount(), handles + 8);
    EXPECT_TRUE(kxtest::PumpUntil([&] { return ThreadCount() <= threads + 2; }, 5000)) << ThreadCount() << " " << threads;
    EXPECT_TRUE(DeleteFileW(path.c_str()));
}

// The events' own sink, which drops the host's only reference to the control from inside PositionChange.
class DroppingSink : public IDispatch {
public:
    explicit DroppingSink(kx::KxMedia* media) : media_(media) {
        IConnectionPointContainer* points = nullptr;
        media->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points));
        points->FindConnectionPoint(DIID___kxMedia, &point_);
        points->Release();
        point_->Advise(this, &cookie_);
    }
    bool dropped = false;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___kxMedia ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        if (id != kxtest::kPositionChange || dropped) return S_OK;
        dropped = true;
        point_->Unadvise(cookie_);
        point_->Release();
        media_->Release();  // the last reference the host held
        return S_OK;
    }

private:
    kx::KxMedia* media_;
    IConnectionPoint* point_ = nullptr;
    DWORD cookie_ = 0;
};

TEST(MediaResourceTest, TheHostMayDropTheControlFromAnEventOfItsTick) {
    MediaFiles files;
    auto* media = new kx::KxMedia();
    IPersistStreamInit* persist = nullptr;
    media->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
    persist->InitNew();
    persist->Release();
    BSTR name = SysAllocString(files.Wave(L"two.wav", 2).c_str());
    media->put_FileName(name);
    SysFreeString(name);
    DroppingSink sink(media);
    VARIANT_BOOL started = VARIANT_FALSE;
    ASSERT_EQ(S_OK, media->mPlay(&started));
    ASSERT_EQ(VARIANT_TRUE, started);
    EXPECT_TRUE(kxtest::PumpUntil([&] { return sink.dropped; }));
    kxtest::PumpMessages(300);  // ticks would come now if the control had outlived its timers
}

}  // namespace
