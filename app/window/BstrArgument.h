#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string_view>

// A String argument passed by reference to a library member: owns whatever text the member leaves in it.
namespace zarvanta {

class BstrArgument {
public:
    explicit BstrArgument(std::wstring_view text)
        : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~BstrArgument() { SysFreeString(value_); }
    BstrArgument(const BstrArgument&) = delete;
    BstrArgument& operator=(const BstrArgument&) = delete;

    BSTR* Out() { return &value_; }

private:
    BSTR value_;
};

}  // namespace zarvanta
