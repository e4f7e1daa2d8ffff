#include <gtest/gtest.h>

#include "AmbientProperties.h"
#include "PropertyBag.h"

namespace {

using kx::MemoryPropertyBag;
using kx::PropertyReader;
using kx::PropertyWriter;

struct BagHolder {
    MemoryPropertyBag* bag = new MemoryPropertyBag();
    ~BagHolder() { bag->Release(); }
};

TEST(PropertyBagTest, KeysMatchWithoutCaseAndKeepTheirFirstSpellingAndOrder) {
    BagHolder h;
    PropertyWriter writer(h.bag);
    writer.Long(L"Style", 10);
    writer.Text(L"Caption", L"Go");
    writer.Long(L"STYLE", 12);  // the same key
    ASSERT_EQ(h.bag->Count(), 2u);
    EXPECT_EQ(h.bag->KeyAt(0), L"Style");
    EXPECT_EQ(h.bag->KeyAt(1), L"Caption");
    PropertyReader reader(h.bag);
    EXPECT_EQ(reader.Long(L"style", 0), 12);
    EXPECT_EQ(reader.Text(L"caption", L""), L"Go");
}

TEST(PropertyBagTest, ValuesEqualToTheirDefaultsAreNotWritten) {
    BagHolder h;
    PropertyWriter writer(h.bag);
    writer.Long(L"A", 5, 5);
    writer.Boolean(L"B", true, true);
    writer.Double(L"C", 1.5, 1.5);
    writer.Text(L"D", L"x", L"x");
    writer.Text(L"E", L"");  // no default: always written
    writer.Long(L"F", 6, 5);
    EXPECT_EQ(h.bag->Count(), 2u);
    EXPECT_NE(h.bag->Find(L"E"), nullptr);
    EXPECT_NE(h.bag->Find(L"F"), nullptr);
}

TEST(PropertyBagTest, TypesAreKeptAndReadsFallBackToTheirDefaults) {
    BagHolder h;
    PropertyWriter writer(h.bag);
    writer.Long(L"Long", -2147483647L - 1, 0);
    writer.Boolean(L"Bool", true, false);
    writer.Double(L"Double", 2.25, 0);
    writer.Text(L"Text", L"\u0633\u0644\u0627\u0645", L"");
    EXPECT_EQ(h.bag->Find(L"Long")->vt, VT_I4);
    EXPECT_EQ(h.bag->Find(L"Bool")->vt, VT_BOOL);
    EXPECT_EQ(h.bag->Find(L"Double")->vt, VT_R8);
    EXPECT_EQ(h.bag->Find(L"Text")->vt, VT_BSTR);

    PropertyReader reader(h.bag);
    EXPECT_EQ(reader.Long(L"Long", 0), -2147483647L - 1);
    EXPECT_TRUE(reader.Boolean(L"Bool", false));
    EXPECT_DOUBLE_EQ(reader.Double(L"Double", 0), 2.25);
    EXPECT_EQ(reader.Text(L"Text", L""), L"\u0633\u0644\u0627\u0645");
    EXPECT_EQ(reader.Long(L"Missing", 42), 42);
    EXPECT_EQ(reader.Long(L"Text", 7), 7);  // not a number: the default
    EXPECT_EQ(PropertyReader(nullptr).Text(L"Any", L"d"), L"d");
}

TEST(PropertyBagTest, FontsEqualToTheDefaultAreNotWrittenOthersRoundTripThroughAStream) {
    IFontDisp* standard = kx::CreateDefaultFont();
    IFontDisp* bold = kx::CloneFont(standard);
    IFont* font = nullptr;
    bold->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font));
    font->put_Bold(TRUE);
    font->Release();

    BagHolder h;
    PropertyWriter writer(h.bag);
    writer.Font(L"Same", standard, standard);
    writer.Font(L"Bold", bold, standard);
    EXPECT_EQ(h.bag->Count(), 1u);

    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ASSERT_EQ(h.bag->SaveTo(stream), S_OK);
    LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    BagHolder loaded;
    ASSERT_EQ(loaded.bag->LoadFrom(stream), S_OK);
    stream->Release();

    IFontDisp* read = PropertyReader(loaded.bag).Font(L"bold", nullptr);
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(kx::SameFont(read, bold));
    EXPECT_FALSE(kx::SameFont(read, standard));
    read->Release();
    bold->Release();
    standard->Release();
}

TEST(PropertyBagTest, ADamagedStreamFailsInsteadOfAllocatingWithoutBound) {
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    const UINT count = 1;
    const UINT hugeLength = 0x7FFFFFFF;
    stream->Write(&count, sizeof(count), nullptr);
    stream->Write(&hugeLength, sizeof(hugeLength), nullptr);
    LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    BagHolder h;
    EXPECT_TRUE(FAILED(h.bag->LoadFrom(stream)));
    stream->Release();
}

}  // namespace
