#pragma once
#include <gtest/gtest.h>

#include <windows.h>
#include <ocidl.h>

#include <set>
#include <string>
#include <vector>

#include "PropertyBag.h"

// Saving and loading a control in both persisted forms, and comparing what two saves wrote.
namespace kxtest {

// A property bag of the test's own, as a container hands it to Save and Load.
struct SavedBag {
    kx::MemoryPropertyBag* bag = new kx::MemoryPropertyBag();
    SavedBag() = default;
    ~SavedBag() { bag->Release(); }
    SavedBag(const SavedBag&) = delete;
    SavedBag& operator=(const SavedBag&) = delete;
    std::vector<std::wstring> Keys() const {  // in write order
        std::vector<std::wstring> keys;
        for (size_t i = 0; i < bag->Count(); ++i) keys.push_back(bag->KeyAt(i));
        return keys;
    }
    std::set<std::wstring> KeySet() const {
        const std::vector<std::wstring> keys = Keys();
        return {keys.begin(), keys.end()};
    }
};

// What the control writes through IPersistStreamInit::Save.
inline std::vector<BYTE> StreamBytes(IUnknown* control) {
    IPersistStreamInit* persist = nullptr;
    control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    persist->Save(stream, TRUE);
    persist->Release();
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::vector<BYTE> bytes(static_cast<size_t>(stat.cbSize.QuadPart));
    LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ULONG got = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &got);
    stream->Release();
    return bytes;
}

// IPersistStreamInit::Load's answer for a stream holding the bytes.
inline HRESULT LoadStreamBytes(IUnknown* control, const std::vector<BYTE>& bytes) {
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    IPersistStreamInit* persist = nullptr;
    control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
    const HRESULT hr = persist->Load(stream);
    persist->Release();
    stream->Release();
    return hr;
}

// Two saves hold the same keys in the same order, each with the same type and value; fonts are
// compared by their attributes.
inline void ExpectSameProperties(const kx::MemoryPropertyBag* one, const kx::MemoryPropertyBag* two) {
    ASSERT_EQ(one->Count(), two->Count());
    for (size_t i = 0; i < one->Count(); ++i) {
        const std::wstring& key = one->KeyAt(i);
        const std::string name(key.begin(), key.end());
        EXPECT_EQ(key, two->KeyAt(i)) << "write order";
        const VARIANT* a = one->Find(key);
        const VARIANT* b = two->Find(key);
        ASSERT_NE(b, nullptr) << name;
        ASSERT_EQ(a->vt, b->vt) << name;
        if (a->vt == VT_DISPATCH)
            EXPECT_TRUE(kx::SameFont(reinterpret_cast<IFontDisp*>(a->pdispVal),
                                     reinterpret_cast<IFontDisp*>(b->pdispVal)))
                << name;
        else
            EXPECT_EQ(VarCmp(const_cast<VARIANT*>(a), const_cast<VARIANT*>(b), LOCALE_USER_DEFAULT, 0),
                      static_cast<HRESULT>(VARCMP_EQ))
                << name;
    }
}

}  // namespace kxtest
