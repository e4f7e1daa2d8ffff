#pragma once
#include <windows.h>
#include <oleauto.h>
#include <new>
#include <string>

// Numbered automation errors (0x800A0000 + n) with the classic runtime's texts.
namespace kx {

enum ErrorNumber : int {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrSubscript = 9,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrBadFileName = 52,
    kErrFileNotFound = 53,
    kErrDeviceUnavailable = 68,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
    kErrObjectRequired = 424,
    kErrInvalidPicture = 481,
    kErrInvalidPropertyValue = 380,
    kErrSetNotSupportedAtRuntime = 382,
    kErrSetNotPermitted = 387,
};

const wchar_t* ErrorText(int number);
HRESULT ErrorHResult(int number);
// Inverse of ErrorHResult for errors of the control facility; other failures map to their code.
int ErrorNumberOf(HRESULT hr);

// Thrown inside members only; Guard turns it into a COM error before any boundary.
struct Error {
    int number;
    std::wstring text;  // empty: the standard text of the number
    explicit Error(int n, std::wstring t = {}) : number(n), text(std::move(t)) {}
};

// Sets the thread's IErrorInfo and returns the failure HRESULT.
HRESULT RaiseError(int number, const wchar_t* source, const std::wstring& text = {});
HRESULT RaiseHResult(HRESULT hr, const wchar_t* source, const std::wstring& text);

// Keeps the thread's pending error across work that may set or clear it (a control's teardown while its
// host still reads the error of the call that released it).
class PendingErrorKeeper {
public:
    PendingErrorKeeper() { GetErrorInfo(0, &pending_); }
    ~PendingErrorKeeper() {
        SetErrorInfo(0, pending_);
        if (pending_) pending_->Release();
    }
    PendingErrorKeeper(const PendingErrorKeeper&) = delete;
    PendingErrorKeeper& operator=(const PendingErrorKeeper&) = delete;

private:
    IErrorInfo* pending_ = nullptr;
};

// Runs a member body; every C++ exception becomes a COM error of the given source.
template <class Body>
HRESULT Guard(const wchar_t* source, Body&& body) noexcept {
    try {
        body();
        SetErrorInfo(0, nullptr);
        return S_OK;
    } catch (const Error& e) {
        return RaiseError(e.number, source, e.text);
    } catch (const std::bad_alloc&) {
        return RaiseError(kErrOutOfMemory, source);
    } catch (...) {
        return RaiseHResult(E_UNEXPECTED, source, L"Unexpected error");
    }
}

}  // namespace kx
