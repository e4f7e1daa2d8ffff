// kxRegistry in process: stored bytes and types, key copies, file-type registration, the product
// type and INI files, checked against what the platform holds.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ErrorInfo.h"
#include "KxRegistry.h"
#include "TestSupport.h"
#include "TypeLibrary.h"

namespace {

using Bytes = std::vector<BYTE>;

// A BSTR argument that the member may replace.
class Bstr {
public:
    explicit Bstr(const std::wstring& text) : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr() = default;  // a null string
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR* ref() { return &value_; }
    operator BSTR() const { return value_; }
    std::wstring text() const { return value_ ? std::wstring(value_, SysStringLen(value_)) : std::wstring(); }

private:
    BSTR value_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&value_); }
    explicit Variant(const std::wstring& text) : Variant() { Set(text); }
    void Set(const std::wstring& text) {
        VariantClear(&value_);
        value_.vt = VT_BSTR;
        value_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    void Set(double number) {
        VariantClear(&value_);
        value_.vt = VT_R8;
        value_.dblVal = number;
    }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* get() { return &value_; }
    const VARIANT& operator*() const { return value_; }

private:
    VARIANT value_;
};

std::wstring TextOf(const VARIANT& value) {
    return value.vt == VT_BSTR && value.bstrVal ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal))
                                                : std::wstring();
}

Bytes BytesOf(const std::wstring& text) {
    const BYTE* begin = reinterpret_cast<const BYTE*>(text.data());
    return Bytes(begin, begin + text.size() * sizeof(wchar_t));
}

struct Stored {
    bool found = false;
    DWORD type = REG_NONE;
    Bytes bytes;
    bool operator==(const Stored& other) const {
        return found == other.found && type == other.type && bytes == other.bytes;
    }
};

Stored Found(DWORD type, const Bytes& bytes) { return {true, type, bytes}; }

void PrintTo(const Stored& stored, std::ostream* out) {
    if (!stored.found) {
        *out << "(missing)";
        return;
    }
    *out << "type " << stored.type << ":";
    for (BYTE b : stored.bytes) *out << ' ' << std::hex << static_cast<int>(b) << std::dec;
}

void PutRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const Bytes& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name.c_str(), 0, type, bytes.empty() ? nullptr : bytes.data(),
                                            static_cast<DWORD>(bytes.size())));
    RegCloseKey(key);
}

// The value as stored (text in UTF-16).
Stored GetRaw(HKEY root, const std::wstring& path, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    Stored stored;
    stored.bytes.resize(4096);
    DWORD size = static_cast<DWORD>(stored.bytes.size());
    const LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &stored.type, stored.bytes.data(), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {};
    stored.found = true;
    stored.bytes.resize(size);
    return stored;
}

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// Every value of a key tree, one line per value ("Child\Grand|name|type|bytes"), sorted.
void DumpTree(HKEY root, const std::wstring& path, const std::wstring& relative, std::map<std::wstring, Stored>& out) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::vector<wchar_t> name(16384);
    Bytes data(65536);
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type = 0;
        if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
        out[relative + L"|" + std::wstring(name.data(), nameLength)] =
            Found(type, Bytes(data.begin(), data.begin() + size));
    }
    std::vector<std::wstring> children;
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        children.emplace_back(name.data(), nameLength);
    }
    RegCloseKey(key);
    for (const auto& child : children) {
        out[relative + L"\\" + child + L"|(key)"] = {};
        DumpTree(root, path + L"\\" + child, relative + L"\\" + child, out);
    }
}

std::map<std::wstring, Stored> Tree(HKEY root, const std::wstring& path) {
    std::map<std::wstring, Stored> out;
    DumpTree(root, path, L"", out);
    return out;
}

class KxRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry_ = new kx::KxRegistry();
        RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, base_.c_str());
        registry_->Release();
    }
    std::wstring Path(const std::wstring& sub) const { return base_ + L"\\" + sub; }

    VARIANT_BOOL CopyTree(const std::wstring& source, const std::wstring& target,
                          VARIANT_BOOL withSubKeys = VARIANT_TRUE) {
        Bstr from(source), to(target);
        VARIANT_BOOL result = 7;
        EXPECT_EQ(S_OK, registry_->KXCopyKeyAndItems(kxHKEY_CURRENT_USER, from, kxHKEY_CURRENT_USER, to, &withSubKeys,
                                                     &result));
        return result;
    }

    kx::KxRegistry* registry_ = nullptr;
    const std::wstring base_ = L"Software\\Velmora Group\\KxTestGTest" + std::to_wstring(GetCurrentProcessId());
};

TEST(KxRegistryTypeLibrary, MembersInSlotOrderAndEnumerationsWithTheirNames) {
    const wchar_t* const members[] = {
        L"regDelete_Sub_Key", L"regDoes_Key_Exist", L"regQuery_A_Key",        L"regCreate_Key_Value",
        L"regCreate_A_Key",   L"regDelete_A_Key",   L"KXSaveRegistry",        L"KXDeleteRegistry",
        L"KXReadRegistry",    L"RegIconFileType",   L"RegIconFileTypeDelete", L"RegIconFileTypeCheck",
        L"WriteProfileText",  L"GetProfileText",    L"KXRead_Enum_Key",       L"KXRead_Enum_Value",
        L"GetWindowsVariant", L"KXGetKeyType",      L"KXCopyKeyAndItems",     L"KXCopyItem"};
    ITypeInfo* info = kx::InterfaceTypeInfo(IID__kxRegistry);
    ASSERT_NE(nullptr, info);
    for (UINT slot = 0; slot < std::size(members); ++slot) {
        FUNCDESC* desc = nullptr;
        ASSERT_EQ(S_OK, info->GetFuncDesc(slot, &desc));
        BSTR name = nullptr;
        info->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
        EXPECT_EQ(std::wstring(members[slot]), std::wstring(name ? name : L""));
        EXPECT_EQ(static_cast<MEMBERID>(0x60030000 + slot), desc->memid) << slot;
        SysFreeString(name);
        info->ReleaseFuncDesc(desc);
    }

    const std::map<std::wstring, std::map<std::wstring, long>> enumerations = {
        {L"hKey",
         {{L"HKEY_CLASSES_ROOT", 0x80000000L},
          {L"HKEY_CURRENT_USER", 0x80000001L},
          {L"HKEY_LOCAL_MACHINE", 0x80000002L},
          {L"HKEY_USERS", 0x80000003L},
          {L"HKEY_PERFORMANCE_DATA", 0x80000004L},
          {L"HKEY_CURRENT_CONFIG", 0x80000005L},
          {L"HKEY_DYN_DATA", 0x80000006L}}},
        {L"RegType",
         {{L"REG_NONE", 0},
          {L"REG_SZ", 1},
          {L"REG_EXPAND_SZ", 2},
          {L"REG_BINARY", 3},
          {L"REG_DWORD", 4},
          {L"REG_DWORD_LITTLE_ENDIAN", 4},
          {L"REG_DWORD_BIG_ENDIAN", 5},
          {L"REG_LINK", 6},
          {L"REG_MULTI_SZ", 7},
          {L"REG_RESOURCE_LIST", 8},
          {L"REG_FULL_RESOURCE_DESCRIPTOR", 9},
          {L"REG_RESOURCE_REQUIREMENTS_LIST", 10}}},
        {L"kxGetWindowsVariant",
         {{L"RTN_UNKNOWN", 0}, {L"RTN_SERVER", 1}, {L"RTN_WORKSTATION", 2}, {L"RTN_NTAS", 3}, {L"RTN_ERROR", 13}}},
    };
    ITypeLib* library = kx::LibraryTypeLib();
    ASSERT_NE(nullptr, library);
    for (const auto& [enumName, expected] : enumerations) {
        std::map<std::wstring, long> found;
        for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
            BSTR name = nullptr;
            library->GetDocumentation(i, &name, nullptr, nullptr, nullptr);
            const bool wanted = name && enumName == name;
            SysFreeString(name);
            if (!wanted) continue;
            ITypeInfo* type = nullptr;
            ASSERT_EQ(S_OK, library->GetTypeInfo(i, &type));
            TYPEATTR* attr = nullptr;
            type->GetTypeAttr(&attr);
            EXPECT_EQ(TKIND_ENUM, attr->typekind) << enumName;
            for (UINT v = 0; v < attr->cVars; ++v) {
                VARDESC* var = nullptr;
                type->GetVarDesc(v, &var);
                BSTR member = nullptr;
                type->GetDocumentation(var->memid, &member, nullptr, nullptr, nullptr);
                found[member ? member : L""] = var->lpvarValue->lVal;
                SysFreeString(member);
                type->ReleaseVarDesc(var);
            }
            type->ReleaseTypeAttr(attr);
            type->Release();
        }
        EXPECT_EQ(expected, found) << enumName;
    }
}

TEST_F(KxRegistryTest, ReadsEveryStoredTypeAsItsTextOrLong) {
    struct Case {
        const wchar_t* name;
        DWORD type;
        Bytes stored;
        VARTYPE vt;
        std::wstring text;
        long number;
    };
    const std::wstring multi(L"a\0b\0\0", 5), expand(L"%PATH%\0", 7), afterNul(L"ab\0cd\0", 6);
    const Case cases[] = {
        {L"text cut at its first NUL", REG_SZ, BytesOf(afterNul), VT_BSTR, L"ab", 0},
        {L"persian text", REG_SZ, BytesOf(std::wstring(L"سلام") + L'\0'), VT_BSTR, L"سلام", 0},
        {L"multi-string whole", REG_MULTI_SZ, BytesOf(multi), VT_BSTR, multi, 0},
        {L"expandable text not expanded", REG_EXPAND_SZ, BytesOf(expand), VT_BSTR, expand, 0},
        {L"binary bytes in the code page", REG_BINARY, {'A', 0, 0xE3}, VT_BSTR, std::wstring(L"A\0م", 3), 0},
        {L"dword all ones", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, VT_I4, L"", -1},
        {L"dword", REG_DWORD, {0x2A, 0, 0, 0}, VT_I4, L"", 42},
        {L"big endian read little-endian", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1}, VT_I4, L"", 0x01000000},
        {L"qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, VT_BSTR, L"", 0},
        {L"none", REG_NONE, {}, VT_BSTR, L"", 0},
        {L"resource list", REG_RESOURCE_LIST, {1, 2, 3}, VT_BSTR, L"", 0},
    };
    for (const Case& c : cases) PutRaw(HKEY_CURRENT_USER, Path(L"Read"), c.name, c.type, c.stored);
    Bstr path(Path(L"Read"));
    for (const Case& c : cases) {
        Bstr name(c.name);
        Variant result;
        ASSERT_EQ(S_OK, registry_->regQuery_A_Key(kxHKEY_CURRENT_USER, path, name, result.get())) << c.name;
        ASSERT_EQ(c.vt, (*result).vt) << c.name;
        if (c.vt == VT_I4)
            EXPECT_EQ(c.number, (*result).lVal) << c.name;
        else
            EXPECT_EQ(c.text, TextOf(*result)) << c.name;
        RegType type = static_cast<RegType>(-5);
        ASSERT_EQ(S_OK, registry_->KXGetKeyType(kxHKEY_CURRENT_USER, path, name, &type));
        EXPECT_EQ(static_cast<long>(c.type), static_cast<long>(type)) << c.name;
    }

    for (const std::wstring& where : {Path(L"Read"), Path(L"Missing")}) {
        Bstr keyPath(where), name(L"no such value");
        Variant result;
        ASSERT_EQ(S_OK, registry_->regQuery_A_Key(kxHKEY_CURRENT_USER, keyPath, name, result.get()));
        EXPECT_EQ(VT_BSTR, (*result).vt);
        EXPECT_EQ(L"", TextOf(*result));
        RegType type = static_cast<RegType>(-5);
        registry_->KXGetKeyType(kxHKEY_CURRENT_USER, keyPath, name, &type);
        EXPECT_EQ(0, static_cast<long>(type));
    }
}

// Text goes through the ANSI entry points, so the platform stores it as UTF-16.
TEST_F(KxRegistryTest, WritesTheBytesOfTheChosenType) {
    struct Case {
        const wchar_t* name;
        std::optional<std::wstring> text;  // else the number
        double number;
        long type;
        Stored stored;
    };
    const std::wstring nul(1, L'\0');
    const Case cases[] = {
        {L"word", L"  word  ", 0, -1, Found(REG_SZ, BytesOf(L"word" + nul))},
        {L"persian", L" سلام ", 0, -1, Found(REG_SZ, BytesOf(L"سلام" + nul))},
        {L"number text", L" 12 ", 0, -1, Found(REG_DWORD, {12, 0, 0, 0})},
        {L"half to even down", std::nullopt, 2.5, -1, Found(REG_DWORD, {2, 0, 0, 0})},
        {L"half to even up", std::nullopt, 3.5, -1, Found(REG_DWORD, {4, 0, 0, 0})},
        {L"half in text", L"2.5", 0, -1, Found(REG_DWORD, {2, 0, 0, 0})},
        {L"minus one", std::nullopt, -1, -1, Found(REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF})},
        {L"smallest", L"-2147483648", 0, -1, Found(REG_DWORD, {0, 0, 0, 0x80})},
        {L"number as text", std::nullopt, 15, REG_SZ, Found(REG_SZ, BytesOf(L"15" + nul))},
        // No terminator is counted; the platform adds the NUL that follows the text itself.
        {L"expand keeps blanks", L" %x% ", 0, REG_EXPAND_SZ, Found(REG_EXPAND_SZ, BytesOf(L" %x% " + nul))},
        {L"binary from text", L"AB", 0, REG_BINARY, Found(REG_BINARY, {'A', 'B'})},
        {L"binary in the code page", L"م", 0, REG_BINARY, Found(REG_BINARY, {0xE3})},
    };
    Bstr path(Path(L"Write"));
    for (const Case& c : cases) {
        Bstr name(c.name);
        Variant data;
        if (c.text)
            data.Set(*c.text);
        else
            data.Set(c.number);
        LONG type = c.type;
        ASSERT_EQ(S_OK, registry_->regCreate_Key_Value(kxHKEY_CURRENT_USER, path, name, data.get(), &type)) << c.name;
        EXPECT_EQ(c.stored, GetRaw(HKEY_CURRENT_USER, Path(L"Write"), c.name)) << c.name;
    }
}

TEST_F(KxRegistryTest, ConversionErrorsLeaveTheCreatedKeyAndNoValue) {
    struct Case {
        const wchar_t* text;
        long type;
        int error;
    };
    const Case cases[] = {
        {L"99999999999", -1, 6},
        {L"2147483648", -1, 6},
        {L"abc", REG_DWORD, 13},
    };
    for (const Case& c : cases) {
        RegDeleteKeyW(HKEY_CURRENT_USER, Path(L"Errors").c_str());
        Bstr path(Path(L"Errors")), name(L"value");
        Variant data(c.text);
        LONG type = c.type;
        EXPECT_EQ(kx::ErrorHResult(c.error),
                  registry_->regCreate_Key_Value(kxHKEY_CURRENT_USER, path, name, data.get(), &type))
            << c.text;
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path(L"Errors"))) << c.text;
        EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, Path(L"Errors"), L"value").found) << c.text;
    }
}

TEST_F(KxRegistryTest, RawKeyOperationsNeverDeleteARootKey) {
    Bstr empty(L""), path(Path(L"Keys\\Leaf")), keys(Path(L"Keys")), leaf(L"Leaf");
    VARIANT_BOOL result = VARIANT_FALSE;
    registry_->regCreate_A_Key(kxHKEY_CURRENT_USER, path, &result);
    EXPECT_EQ(VARIANT_TRUE, result);
    registry_->regDelete_A_Key(kxHKEY_CURRENT_USER, empty, empty, &result);
    EXPECT_EQ(VARIANT_FALSE, result);
    registry_->regDelete_A_Key(kxHKEY_CURRENT_USER, keys, empty, &result);
    EXPECT_EQ(VARIANT_FALSE, result) << "a key with subkeys stays";
    registry_->regDelete_A_Key(kxHKEY_CURRENT_USER, path, empty, &result);
    EXPECT_EQ(VARIANT_TRUE, result) << "an empty name deletes the opened key";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path(L"Keys\\Leaf")));
    registry_->regDelete_A_Key(kxHKEY_CURRENT_USER, keys, leaf, &result);
    EXPECT_EQ(VARIANT_FALSE, result) << "already gone";

    Variant name;
    registry_->KXRead_Enum_Key(kxHKEY_CURRENT_USER, keys, -1, name.get());
    EXPECT_EQ(VT_EMPTY, (*name).vt) << "a negative index is past the end";
}

// A source with every kind of value, the unnamed default value and names outside code page 1256.
void FillSource(const std::wstring& source) {
    PutRaw(HKEY_CURRENT_USER, source, L"", REG_SZ, BytesOf(std::wstring(L"root default") + L'\0'));
    PutRaw(HKEY_CURRENT_USER, source, L"blanks", REG_SZ, BytesOf(std::wstring(L"  padded  ") + L'\0'));
    PutRaw(HKEY_CURRENT_USER, source, L"binary", REG_BINARY, {0x00, 0xFF, 0x80, 0x7F});
    PutRaw(HKEY_CURRENT_USER, source, L"multi", REG_MULTI_SZ, BytesOf(std::wstring(L"a\0b\0\0", 5)));
    PutRaw(HKEY_CURRENT_USER, source, L"big endian", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1});
    PutRaw(HKEY_CURRENT_USER, source, L"qword", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8});
    PutRaw(HKEY_CURRENT_USER, source, L"none", REG_NONE, {});
    PutRaw(HKEY_CURRENT_USER, source, L"\x6F22\x5B57", REG_SZ, BytesOf(std::wstring(L"\x6F22\x5B57 \x20AC") + L'\0'));
    PutRaw(HKEY_CURRENT_USER, source + L"\\Child", L"", REG_DWORD, {5, 0, 0, 0});
    PutRaw(HKEY_CURRENT_USER, source + L"\\Child\\Grand", L"deep", REG_EXPAND_SZ,
           BytesOf(std::wstring(L"%x%") + L'\0'));
    PutRaw(HKEY_CURRENT_USER, source + L"\\\x0645\x062A\x0646", L"v", REG_SZ, BytesOf(std::wstring(L"x") + L'\0'));
}

TEST_F(KxRegistryTest, CopyKeepsEveryValueByteForByte) {
    FillSource(Path(L"Source"));
    EXPECT_EQ(VARIANT_TRUE, CopyTree(Path(L"Source"), Path(L"Target")));
    const auto source = Tree(HKEY_CURRENT_USER, Path(L"Source"));
    EXPECT_EQ(14u, source.size());
    EXPECT_EQ(source, Tree(HKEY_CURRENT_USER, Path(L"Target")));

    EXPECT_EQ(VARIANT_TRUE, CopyTree(L"\\" + Path(L"Source") + L"\\", L"\\" + Path(L"Flat") + L"\\", VARIANT_FALSE));
    const auto flat = Tree(HKEY_CURRENT_USER, Path(L"Flat"));
    EXPECT_EQ(8u, flat.size()) << "only the key's own values";
    EXPECT_TRUE(flat.count(L"|")) << "the unnamed default value";
}

TEST_F(KxRegistryTest, CopyRefusesAnExistingTargetAMissingSourceAndItsOwnInside) {
    FillSource(Path(L"Source"));
    PutRaw(HKEY_CURRENT_USER, Path(L"Existing"), L"mine", REG_SZ, BytesOf(std::wstring(L"kept") + L'\0'));
    const auto before = Tree(HKEY_CURRENT_USER, Path(L"Existing"));
    EXPECT_EQ(VARIANT_FALSE, CopyTree(Path(L"Source"), Path(L"Existing")));
    EXPECT_EQ(before, Tree(HKEY_CURRENT_USER, Path(L"Existing")));

    EXPECT_EQ(VARIANT_FALSE, CopyTree(Path(L"Nowhere"), Path(L"FromNowhere")));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path(L"FromNowhere")));

    const auto source = Tree(HKEY_CURRENT_USER, Path(L"Source"));
    const std::wstring inside[] = {Path(L"Source\\Copy"), Path(L"SOURCE\\Child\\Copy") + L"\\", Path(L"Source")};
    for (const std::wstring& target : inside) {
        EXPECT_EQ(VARIANT_FALSE, CopyTree(Path(L"Source"), target)) << std::string(target.begin(), target.end());
        EXPECT_EQ(source, Tree(HKEY_CURRENT_USER, Path(L"Source")));
    }
    EXPECT_EQ(VARIANT_TRUE, CopyTree(Path(L"Source"), Path(L"SourceCopy"))) << "a sibling with a longer name";
}

TEST_F(KxRegistryTest, CopyItemCopiesOneValueRaw) {
    FillSource(Path(L"Source"));
    struct Case {
        std::wstring from, to;
    };
    const Case cases[] = {{L"binary", L"copied binary"},
                          {L"", L"copied default"},
                          {L"\x6F22\x5B57", L""},
                          {L"big endian", L"big endian"}};
    for (const Case& c : cases) {
        Bstr from(Path(L"Source")), item(c.from), to(Path(L"Items") + L"\\"), target(c.to);
        VARIANT_BOOL result = VARIANT_FALSE;
        ASSERT_EQ(S_OK,
                  registry_->KXCopyItem(kxHKEY_CURRENT_USER, from, item, kxHKEY_CURRENT_USER, to, target, &result));
        EXPECT_EQ(VARIANT_TRUE, result);
        const Stored original = GetRaw(HKEY_CURRENT_USER, Path(L"Source"), c.from);
        EXPECT_TRUE(original.found);
        EXPECT_EQ(original, GetRaw(HKEY_CURRENT_USER, Path(L"Items"), c.to));
    }

    Bstr from(Path(L"Source")), missing(L"no such value"), to(Path(L"NoItems")), target(L"x");
    VARIANT_BOOL result = VARIANT_TRUE;
    registry_->KXCopyItem(kxHKEY_CURRENT_USER, from, missing, kxHKEY_CURRENT_USER, to, target, &result);
    EXPECT_EQ(VARIANT_FALSE, result);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path(L"NoItems")));
}

// File types registered below HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE\Software\CLASSES.
class FileTypeTest : public KxRegistryTest {
protected:
    void SetUp() override {
        KxRegistryTest::SetUp();
        RemoveTypes();
        icon_ = folder_.File(L"app.ico");
        std::ofstream(icon_.c_str()) << "icon";
    }
    void TearDown() override {
        RemoveTypes();
        KxRegistryTest::TearDown();
    }
    static void RemoveTypes() {
        for (const wchar_t* type : {L"kxtstreg", L"kxtstnum", L"kxtstmissing"}) {
            for (const std::wstring& key : {std::wstring(L".") + type, std::wstring(type) + L"file"}) {
                RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
                RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
                RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"Software\\CLASSES\\" + key).c_str());
                RegDeleteKeyW(HKEY_LOCAL_MACHINE, (L"Software\\CLASSES\\" + key).c_str());
            }
        }
    }
    LONG Register(const std::wstring& type, const std::wstring& description, const std::wstring& icon,
                  std::wstring* typeAfter = nullptr) {
        Bstr fileType(type), text(description), iconPath(icon), app(L"notepad.exe %1"), verb;
        LONG result = 99;
        EXPECT_EQ(S_OK, registry_->RegIconFileType(fileType.ref(), text.ref(), iconPath.ref(), app.ref(), verb.ref(),
                                                   &result));
        if (typeAfter) *typeAfter = fileType.text();
        return result;
    }
    bool Registered(const std::wstring& icon, const std::wstring& shellApp) {
        Bstr fileType(L"KxTstReg"), text, iconPath(icon), app(shellApp), verb;
        VARIANT_BOOL result = 7;
        registry_->RegIconFileTypeCheck(fileType.ref(), text.ref(), iconPath.ref(), app.ref(), verb.ref(), &result);
        return result == VARIANT_TRUE;
    }
    kxtest::ScratchFolder folder_;
    std::wstring icon_;
};

TEST_F(FileTypeTest, RegisterWritesBothCopiesThenCheckAndDeleteReadThem) {
    std::wstring typeAfter;
    ASSERT_EQ(0, Register(L"KXTSTREG", L"Test document", icon_, &typeAfter));
    EXPECT_EQ(L"kxtstreg", typeAfter);
    const std::wstring nul(1, L'\0');
    for (const auto& [root, prefix] :
         {std::pair{HKEY_CLASSES_ROOT, L""}, std::pair{HKEY_LOCAL_MACHINE, L"Software\\CLASSES\\"}}) {
        const std::wstring p = prefix;
        EXPECT_EQ(Found(REG_SZ, BytesOf(L"kxtstregfile" + nul)), GetRaw(root, p + L".kxtstreg", L""));
        EXPECT_EQ(Found(REG_SZ, BytesOf(L"Test document" + nul)), GetRaw(root, p + L"kxtstregfile", L""));
        EXPECT_EQ(Found(REG_BINARY, {0, 0, 0, 0}), GetRaw(root, p + L"kxtstregfile", L"EditFlags"));
        EXPECT_EQ(Found(REG_SZ, BytesOf(icon_ + L",0" + nul)), GetRaw(root, p + L"kxtstregfile\\DefaultIcon", L""));
        EXPECT_EQ(Found(REG_SZ, BytesOf(L"notepad.exe %1" + nul)),
                  GetRaw(root, p + L"kxtstregfile\\Shell\\OPEN\\command", L""));
    }

    EXPECT_TRUE(Registered(icon_, L"notepad.exe %1"));
    EXPECT_TRUE(Registered(icon_, L""));
    EXPECT_FALSE(Registered(icon_ + L"x", L""));
    EXPECT_FALSE(Registered(icon_, L"NOTEPAD.EXE %1")) << "the comparison keeps letter case";

    Bstr fileType(L"KXTSTREG");
    LONG result = 99;
    ASSERT_EQ(S_OK, registry_->RegIconFileTypeDelete(fileType.ref(), &result));
    EXPECT_EQ(0, result);
    EXPECT_EQ(L"kxtstreg", fileType.text());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".kxtstreg"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"kxtstregfile")) << "a class key with subkeys stays";

    Bstr none(L"");
    registry_->RegIconFileTypeDelete(none.ref(), &result);
    EXPECT_EQ(-1, result);
}

TEST_F(FileTypeTest, RejectedInputWritesNothingAndErrorsReturnTheirNumber) {
    const std::wstring hidden = folder_.File(L"hidden.ico");
    std::ofstream(hidden.c_str()) << "icon";
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    struct Case {
        const wchar_t* label;
        std::wstring description, icon;
    };
    const Case rejected[] = {
        {L"missing icon", L"Test", folder_.File(L"none.ico")},
        {L"hidden icon", L"Test", hidden},
        {L"icon folder", L"Test", folder_.path()},
        {L"no description", L"", icon_},
        {L"no icon", L"Test", L""},
    };
    for (const Case& c : rejected) {
        std::wstring typeAfter;
        EXPECT_EQ(-1, Register(L"KXTSTMISSING", c.description, c.icon, &typeAfter)) << c.label;
        EXPECT_EQ(L"KXTSTMISSING", typeAfter) << c.label;
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".kxtstmissing")) << c.label;
    }
    EXPECT_EQ(0, Register(L"kxtstmissing", L"Test", folder_.File(L"*.ico"))) << "wildcards match a plain file";

    EXPECT_EQ(6, Register(L"kxtstnum", L"99999999999", icon_)) << "a numeric description too large for a Long";
    EXPECT_EQ(Found(REG_SZ, BytesOf(std::wstring(L"kxtstnumfile") + L'\0')),
              GetRaw(HKEY_CLASSES_ROOT, L".kxtstnum", L""))
        << "what was written before the error stays";
}

// The product type is read from the private prefix's machine key, saved and put back.
TEST_F(KxRegistryTest, WindowsVariantFromTheProductTypeInAnyLetterCase) {
    const wchar_t* const options = L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, options, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        GTEST_SKIP() << "the machine key is not writable here";
    const Stored saved = GetRaw(HKEY_LOCAL_MACHINE, options, L"ProductType");
    struct Case {
        std::optional<std::wstring> productType;
        kxGetWindowsVariant expected;
    };
    const Case cases[] = {
        {L"WinNT", RTN_WORKSTATION},
        {L"winnt", RTN_WORKSTATION},
        {L"ServerNT", RTN_SERVER},
        {L"LanmanNT", RTN_NTAS},
        {L"Other", RTN_UNKNOWN},
        {L"", RTN_UNKNOWN},
        {std::wstring(40, L'W'), RTN_ERROR},
        {std::nullopt, RTN_ERROR},
    };
    for (const Case& c : cases) {
        if (c.productType) {
            const Bytes bytes = BytesOf(*c.productType + L'\0');
            RegSetValueExW(key, L"ProductType", 0, REG_SZ, bytes.data(), static_cast<DWORD>(bytes.size()));
        } else {
            RegDeleteValueW(key, L"ProductType");
        }
        kxGetWindowsVariant variant = static_cast<kxGetWindowsVariant>(-5);
        ASSERT_EQ(S_OK, registry_->GetWindowsVariant(&variant));
        EXPECT_EQ(c.expected, variant) << (c.productType ? std::string(c.productType->begin(), c.productType->end())
                                                         : std::string("missing"));
    }
    if (saved.found)
        RegSetValueExW(key, L"ProductType", 0, saved.type, saved.bytes.data(), static_cast<DWORD>(saved.bytes.size()));
    else
        RegDeleteValueW(key, L"ProductType");
    RegCloseKey(key);
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST_F(KxRegistryTest, ProfileTextIsStoredInTheSystemCodePage) {
    kxtest::ScratchFolder folder;
    Bstr file(folder.File(L"settings.ini")), section(L"بخش"), key(L"نام"), text(L"سلام کتاب"), fallback(L"fallback");
    VARIANT_BOOL written = VARIANT_FALSE;
    ASSERT_EQ(S_OK, registry_->WriteProfileText(section.ref(), key.ref(), text.ref(), file.ref(), &written));
    EXPECT_EQ(VARIANT_TRUE, written);
    EXPECT_EQ("[\xC8\xCE\xD4]\r\n\xE4\xC7\xE3=\xD3\xE1\xC7\xE3 \x98\xCA\xC7\xC8\r\n", FileBytes(file.text()));
    Variant read;
    ASSERT_EQ(S_OK, registry_->GetProfileText(section.ref(), key.ref(), fallback.ref(), file.ref(), read.get()));
    EXPECT_EQ(L"سلام کتاب", TextOf(*read));

    Bstr unset;  // a null string is written as empty text, never a delete
    registry_->WriteProfileText(section.ref(), key.ref(), unset.ref(), file.ref(), &written);
    EXPECT_EQ(VARIANT_TRUE, written);
    EXPECT_EQ("[\xC8\xCE\xD4]\r\n\xE4\xC7\xE3=\r\n", FileBytes(file.text()));
    Variant empty;
    registry_->GetProfileText(section.ref(), key.ref(), fallback.ref(), file.ref(), empty.get());
    EXPECT_EQ(VT_BSTR, (*empty).vt);
    EXPECT_EQ(L"", TextOf(*empty));

    Bstr longKey(L"long"), longText(std::wstring(2000, L'x'));
    registry_->WriteProfileText(section.ref(), longKey.ref(), longText.ref(), file.ref(), &written);
    Variant cut;
    registry_->GetProfileText(section.ref(), longKey.ref(), fallback.ref(), file.ref(), cut.get());
    EXPECT_EQ(std::wstring(1023, L'x'), TextOf(*cut)) << "the 1024-character buffer holds 1023 and a NUL";
}

}  // namespace
