#include "FlashPlayer.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "LateBinding.h"

namespace kx {
namespace {

constexpr int kErrObjectNotSet = 91;
constexpr int kErrNoSuchMember = 438;
constexpr int kFramesForward = 10;
constexpr int kFramesBack = 15;

// One call by name with exactly the given kind: a script object takes a property read that may also be a
// method call for a call of the property's value (Wine's JScript does), so reads and calls stay apart.
void Invoke(IDispatch* object, const wchar_t* name, WORD kind, VARIANT* result) {
    if (!object) throw Error(kErrObjectNotSet);
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(FindMemberId(object, name, id))) throw Error(kErrNoSuchMember);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXCEPINFO exception = {};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &none, result, &exception, nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (FAILED(hr)) throw Error(hr == DISP_E_MEMBERNOTFOUND ? kErrNoSuchMember : kErrInvalidCall);
}

long ReadLong(IDispatch* object, const wchar_t* name) {
    OwnedVariant value;
    Invoke(object, name, DISPATCH_PROPERTYGET, value.get());
    return ToLong(*value);
}

}  // namespace

bool FlashPlayer::Play(const std::wstring& movie, bool loop) const {
    PutTextProperty(control_, L"Movie", movie);
    PutBoolProperty(control_, L"Loop", loop);
    Call(L"Play");
    return ReadLong(control_, L"TotalFrames") != 0;
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

// A method without arguments; its result, if any, is dropped.
void FlashPlayer::Call(const wchar_t* method) const {
    OwnedVariant ignored;
    Invoke(control_, method, DISPATCH_METHOD, ignored.get());
}

void FlashPlayer::CallTimes(const wchar_t* method, int times) const {
    for (int i = 0; i < times; ++i) Call(method);
}

}  // namespace kx
