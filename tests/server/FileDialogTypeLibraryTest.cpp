// actFileDialog's published shape: its members in interface order with their identities, its four events,
// the Controls collection and its elements, and the appearance values.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kBrowserMembers = {
    {L"Path", 0x68030000, kGet}, {L"Path", 0x68030000, kLet},
    {L"Extension", 0x68030001, kGet},
    {L"FileName", 0x68030002, kGet}, {L"FileName", 0x68030002, kLet},
    {L"Filter", 0x68030003, kGet}, {L"Filter", 0x68030003, kLet},
    {L"FilterIndex", 0x68030004, kGet}, {L"FilterIndex", 0x68030004, kLet},
    {L"BorderStyle", 0x68030005, kGet}, {L"BorderStyle", 0x68030005, kLet},
    {L"Appearance", 0x68030006, kGet}, {L"Appearance", 0x68030006, kLet},
    {L"BackColor", 0x68030007, kGet}, {L"BackColor", 0x68030007, kLet},
    {L"SearchText", 0x68030008, kGet}, {L"SearchText", 0x68030008, kLet},
    {L"FilterText", 0x68030009, kGet}, {L"FilterText", 0x68030009, kLet},
    {L"FileNameText", 0x6803000A, kGet}, {L"FileNameText", 0x6803000A, kLet},
    {L"RightToLeft", 0x6803000B, kGet}, {L"RightToLeft", 0x6803000B, kLet},
    {L"ShowLeftMenu", 0x6803000C, kGet}, {L"ShowLeftMenu", 0x6803000C, kLet},
    {L"ShowHidden", 0x6803000D, kGet}, {L"ShowHidden", 0x6803000D, kLet},
    {L"ShowSystem", 0x6803000E, kGet}, {L"ShowSystem", 0x6803000E, kLet},
    {L"ForeColor", 0x6803000F, kGet}, {L"ForeColor", 0x6803000F, kLet},
    {L"ScaleWidth", 0x68030010, kGet}, {L"ScaleWidth", 0x68030010, kLet},
    {L"ScaleMode", 0x68030011, kGet}, {L"ScaleMode", 0x68030011, kLet},
    {L"ScaleHeight", 0x68030012, kGet}, {L"ScaleHeight", 0x68030012, kLet},
    {L"Hwnd", 0x68030013, kGet},
    {L"hdc", 0x68030014, kGet},
    {L"FontUnderline", 0x68030015, kGet}, {L"FontUnderline", 0x68030015, kLet},
    {L"FontStrikethru", 0x68030016, kGet}, {L"FontStrikethru", 0x68030016, kLet},
    {L"FontItalic", 0x68030017, kGet}, {L"FontItalic", 0x68030017, kLet},
    {L"FontBold", 0x68030018, kGet}, {L"FontBold", 0x68030018, kLet},
    {L"FontSize", 0x68030019, kGet}, {L"FontSize", 0x68030019, kLet},
    {L"FontName", 0x6803001A, kGet}, {L"FontName", 0x6803001A, kLet},
    {L"Font", 0x6803001B, kGet}, {L"Font", 0x6803001B, kSet},
    {L"Enabled", 0x6803001C, kGet}, {L"Enabled", 0x6803001C, kLet},
    {L"Controls", 0x6803001D, kGet},
    {L"Refresh", 0x6003001E, kCall},
    {L"ShellProgram", 0x6003001F, kCall},
    {L"DoNetEnum", 0x60030020, kCall},
};

const std::vector<Member> kBrowserEvents = {
    {L"FilenameDblClick", 1, kCall},
    {L"FilenameClick", 2, kCall},
    {L"PathChanged", 3, kCall},
    {L"FilterIndexChanged", 4, kCall},
};

class FileDialogTypeLibrary : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library)); }
    void TearDown() override {
        if (library) library->Release();
    }
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
};

TEST_F(FileDialogTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ExpectInterfaceAndEvents(library, IID__actFileDialog, kBrowserMembers, DIID___actFileDialog,
                                     kBrowserEvents);
}

TEST_F(FileDialogTypeLibrary, TheControlsCollectionAndItsElements) {
    ITypeInfo* collection = kxtest::VtableInfo(library, IID__actControls);
    ASSERT_NE(nullptr, collection);
    kxtest::ExpectFunctions(collection, {{L"Count", 1, kGet}, {L"Item", 0, kGet}, {L"_NewEnum", -4, kGet}}, "_actControls");
    collection->Release();
    ITypeInfo* element = kxtest::VtableInfo(library, IID__actControl);
    ASSERT_NE(nullptr, element);
    kxtest::ExpectFunctions(element,
                          {{L"Name", 0, kGet}, {L"Index", 1, kGet}, {L"Hwnd", 2, kGet}, {L"Visible", 3, kGet}}, "_actControl");
    element->Release();
}

TEST_F(FileDialogTypeLibrary, AppearanceValues) {
    kxtest::ExpectEnumeration(library, {L"actAppearance", {{L"actFlat", 0}, {L"act3D", 1}}});
}

}  // namespace
