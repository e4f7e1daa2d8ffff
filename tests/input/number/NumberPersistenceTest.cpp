// kxGetNumber's property bag: the sixteen keys read and the twenty-two written, in their orders, and a
// round trip through a saved bag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NumberFixture.h"
#include "PersistenceTestSupport.h"

namespace {

// A bag that notes the keys read from it.
class ReadLog : public IPropertyBag {
public:
    explicit ReadLog(IPropertyBag* inner) : inner_(inner) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IPropertyBag) return E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override {
        keys.push_back(name);
        return inner_->Read(name, value, log);
    }
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override { return inner_->Write(name, value); }
    std::vector<std::wstring> keys;

private:
    IPropertyBag* inner_;
};

IPersistPropertyBag* Persist(kx::KxGetNumber* number) {
    IPersistPropertyBag* persist = nullptr;
    number->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    return persist;
}

TEST(NumberPersistence, KeysReadAndWrittenInTheirOrders) {
    kxtest::HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    n->put_Value(1234.5678);
    n->put_Alignment(0);
    n->put_RightToLeft(VARIANT_TRUE);
    n->put_Enabled(VARIANT_FALSE);
    n->put_Locked(VARIANT_TRUE);
    n->put_BackColor(0xFF);
    n->put_BorderStyle(static_cast<kxGmBorderStyle>(0));
    n->put_FontBold(VARIANT_TRUE);
    n->put_FontItalic(VARIANT_TRUE);
    n->put_FontStrikethru(VARIANT_TRUE);
    n->put_FontUnderline(VARIANT_TRUE);
    n->put_ForeColor(0xFF00);
    n->put_MousePointer(2);
    n->put_WordWrap(VARIANT_TRUE);
    n->put_Style(static_cast<kxGCComboStyle>(1));
    BSTR format = SysAllocString(L"0.00");
    n->put_ShowFormat(format);
    SysFreeString(format);
    n->put_TextStyle(static_cast<kxGCTextStyle>(3));
    n->put_EnterNextTab(VARIANT_FALSE);

    kxtest::SavedBag saved;
    IPersistPropertyBag* persist = Persist(n);
    ASSERT_EQ(S_OK, persist->Save(saved.bag, TRUE, TRUE));
    persist->Release();
    const std::vector<std::wstring> written = {
        L"Value",       L"Alignment",     L"RightToLeft", L"Enabled",        L"Locked",        L"BackColor",
        L"BorderStyle", L"Font",          L"FontBold",    L"FontItalic",     L"FontName",      L"FontSize",
        L"FontStrikethru", L"FontUnderline", L"ForeColor", L"MousePointer", L"WordWrap",     L"Style",
        L"ShowFormat",  L"TextStyle",     L"EnterNextTab"};
    EXPECT_EQ(written, saved.Keys()) << "all but MouseIcon, which has none";

    auto* loaded = new kx::KxGetNumber();
    ReadLog log(saved.bag);
    IPersistPropertyBag* load = Persist(loaded);
    ASSERT_EQ(S_OK, load->Load(&log, nullptr));
    const std::vector<std::wstring> read = {
        L"Alignment", L"RightToLeft", L"Enabled",  L"Locked", L"BackColor",  L"BorderStyle", L"Font",       L"ForeColor",
        L"MouseIcon", L"MousePointer", L"WordWrap", L"Style", L"ShowFormat", L"TextStyle",   L"EnterNextTab", L"Value"};
    EXPECT_EQ(read, log.keys);

    kxtest::SavedBag again;
    ASSERT_EQ(S_OK, load->Save(again.bag, TRUE, TRUE));
    load->Release();
    kxtest::ExpectSameProperties(saved.bag, again.bag);
    EXPECT_EQ(1234.5678, kxtest::ValueOf(loaded)) << "loading shows the value without reading it back";
    loaded->Release();
}

TEST(NumberPersistence, ANewControlWritesOnlyItsFont) {
    kxtest::HostedNumbers h;
    kxtest::SavedBag saved;
    IPersistPropertyBag* persist = Persist(h.number());
    persist->Save(saved.bag, TRUE, TRUE);
    persist->Release();
    for (const std::wstring& key : saved.Keys())
        EXPECT_TRUE(key == L"FontName" || key == L"FontSize") << "written: " << std::string(key.begin(), key.end());
}

}  // namespace
