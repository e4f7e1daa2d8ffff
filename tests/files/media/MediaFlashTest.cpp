// kxFlash through a recording stand-in for the host's Flash player control: what each method calls, in
// order, and what mPlay makes of TotalFrames.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MediaFixture.h"
#include "ScriptObject.h"

namespace {

using kxtest::HostedMedia;

// The nine members of the Flash control, each call written down as "Name" or "Name=value".
class RecordingFlash {
public:
    explicit RecordingFlash(long totalFrames) {
        DISPID id = 1;
        for (const wchar_t* method : {L"Play", L"StopPlay", L"Rewind", L"Stop", L"Forward", L"Back"})
            object.Add(method, id++, [this, method](WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) {
                calls.push_back(method);
                return S_OK;
            });
        for (const wchar_t* property : {L"Movie", L"Loop"})
            object.Add(property, id++, [this, property](WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*) {
                if (!(flags & DISPATCH_PROPERTYPUT) || params->cArgs != 1) return DISP_E_MEMBERNOTFOUND;
                VARIANT text;
                VariantInit(&text);
                VariantChangeType(&text, &params->rgvarg[0], VARIANT_ALPHABOOL, VT_BSTR);
                calls.push_back(std::wstring(property) + L"=" + kxtest::TakeBstr(text.bstrVal));
                return S_OK;
            });
        object.Add(L"TotalFrames", id, [this, totalFrames](WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*) {
            calls.push_back(L"TotalFrames");
            if (result) {
                result->vt = VT_I4;
                result->lVal = totalFrames;
            }
            return S_OK;
        });
    }
    kxtest::ScriptObject object;
    std::vector<std::wstring> calls;
};

std::vector<std::wstring> Times(int count, const wchar_t* call) { return std::vector<std::wstring>(count, call); }

std::vector<std::wstring> Then(std::vector<std::wstring> first, const std::vector<std::wstring>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

TEST(MediaFlashTest, EachMethodMakesItsCallsInOrder) {
    struct Case {
        const char* method;
        std::function<bool(const HostedMedia&)> call;
        std::vector<std::wstring> calls;
        DISPID event;
    };
    const Case cases[] = {
        {"mPlay", [](const HostedMedia& m) { return m.Play(); }, {L"Movie=a.swf", L"Loop=True", L"Play", L"TotalFrames"}, kxtest::kActionPlay},
        {"mPause", [](const HostedMedia& m) { return m.Pause(); }, {L"Stop"}, kxtest::kActionPause},
        {"mForeward", [](const HostedMedia& m) { return m.Forward(); }, Then(Times(10, L"Forward"), {L"Play"}), kxtest::kActionForeward},
        {"mBackward", [](const HostedMedia& m) { return m.Backward(); }, Then(Times(15, L"Back"), {L"Play"}), kxtest::kActionBackward},
        {"mStop", [](const HostedMedia& m) { return m.Stop(); }, {L"StopPlay", L"Rewind", L"Stop"}, kxtest::kActionStop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        RecordingFlash flash(120);
        HostedMedia m;
        m.SetDataType(kxFlash);
        m.SetRepeat(true);
        m.SetFileName(L"a.swf\r\nb.swf");  // the movie is the list's entry, not the whole name
        m.media->putref_WindowControl(&flash.object);
        m.ClearEvents();
        EXPECT_TRUE(c.call(m));
        EXPECT_EQ(c.calls, flash.calls);
        EXPECT_EQ(std::vector<DISPID>{c.event}, m.Actions());
        m.media->putref_WindowControl(nullptr);
    }
}

// The list advances one movie per mPlay; Playing follows TotalFrames, and a movie without frames stops.
TEST(MediaFlashTest, PlayingFollowsTotalFrames) {
    RecordingFlash withFrames(120);
    HostedMedia m;
    m.SetDataType(kxFlash);
    m.SetFileName(L"a.swf\r\nb.swf");
    m.media->putref_WindowControl(&withFrames.object);
    EXPECT_TRUE(m.Play());
    EXPECT_TRUE(m.Playing());
    EXPECT_TRUE(m.media->Timer1().Running());
    EXPECT_TRUE(m.Play());
    EXPECT_EQ(L"Movie=b.swf", withFrames.calls[4]);

    RecordingFlash empty(0);
    m.media->putref_WindowControl(&empty.object);
    m.ClearEvents();
    EXPECT_FALSE(m.Play());
    EXPECT_FALSE(m.Playing());
    EXPECT_EQ((std::vector<std::wstring>{L"Movie=a.swf", L"Loop=False", L"Play", L"TotalFrames", L"StopPlay",
                                         L"Rewind", L"Stop"}),
              empty.calls);
    EXPECT_FALSE(m.media->Timer2().Running());
    m.media->putref_WindowControl(nullptr);
}

// Nothing in WindowControl, or an object without the members: every method answers False and nothing fails.
TEST(MediaFlashTest, WithoutAFlashControlMethodsReturnFalse) {
    kxtest::ScriptObject noMembers;
    for (IDispatch* control : {static_cast<IDispatch*>(nullptr), static_cast<IDispatch*>(&noMembers)}) {
        HostedMedia m;
        m.SetDataType(kxFlash);
        m.SetFileName(L"a.swf");
        m.media->putref_WindowControl(control);
        EXPECT_FALSE(m.Play());
        EXPECT_FALSE(m.Playing());
        EXPECT_FALSE(m.Pause());
        EXPECT_FALSE(m.Forward());
        EXPECT_FALSE(m.Backward());
        EXPECT_FALSE(m.Stop());
        m.media->putref_WindowControl(nullptr);
    }
}

}  // namespace
