#include "LifetimeClasses.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "LifetimeSupport.h"

namespace kxtest {
namespace {

constexpr ClassKind kControl = ClassKind::kControl;
constexpr ClassKind kAutomation = ClassKind::kAutomation;
constexpr ClassKind kPage = ClassKind::kPropertyPage;

VARIANT None() { return VARIANT{}; }

}  // namespace

const std::vector<LifetimeClass>& LifetimeClasses() {
    static const std::vector<LifetimeClass> classes = {
        {"kxWindow", kAutomation, L"TopWindow", nullptr},
        {"kxButton", kControl, L"Caption", [] { return Text(L"&Go"); }},
        {"kxProgressBar", kControl, L"Max", [] { return Long(250); }},
        {"kxLabel", kControl, L"Caption", [] { return Text(L"Name"); }},
        {"kxFrame", kControl, L"Caption", [] { return Text(L"Group"); }},
        {"kxTrayBar", kControl, L"ToolTipText", [] { return Text(L"Tray"); }},
        {"kxAlert", kAutomation, L"BackColor", nullptr},
        {"kxAlertWindow", kControl, L"ForeColor", [] { return Long(0x0000C0); }},
        {"kxRegistry", kAutomation, L"GetWindowsVariant", nullptr},
        {"kxDisk", kAutomation, L"FileExists", [] { return Text(L"C:\\"); }},
        {"kxSystemInfo", kAutomation, L"TempFolder", nullptr},
        {"kxString", kAutomation, L"Text", nullptr},
        {"kxFunctions", kAutomation, L"KillFileName", [] { return Text(L"C:\\a\\b.txt"); }},
        {"kxDialog", kAutomation, L"LastErrorMessage", nullptr},
        {"kxGraph", kAutomation, L"TranslateColor", [] { return Long(0x80000005); }},
        {"kxNumText", kAutomation, L"Number", nullptr},
        {"kxGetMask", kControl, L"Enabled", [] { return Bool(false); }},
        {"kxGetCombo", kControl, L"Alignment", [] { return Long(1); }},
        {"prpGetComoboList", kPage, nullptr, None},
        {"prpFields", kPage, nullptr, None},
        {"kxCalculator", kControl, L"Enabled", [] { return Bool(false); }},
        {"kxGetNumber", kControl, L"Alignment", [] { return Long(1); }},
        {"kxGifPlayer", kControl, L"ShowType", [] { return Long(1); }},
        {"kxMedia", kControl, L"Repeat", [] { return Bool(true); }},
        {"kxScrollBar", kControl, L"Max", [] { return Long(50); }},
        {"actFileDialog", kControl, L"FilterText", [] { return Text(L"Kind:"); }},
    };
    return classes;
}

std::vector<LifetimeClass> LifetimeClassesOf(ClassKind kind) {
    std::vector<LifetimeClass> chosen;
    for (const LifetimeClass& cls : LifetimeClasses())
        if (cls.kind == kind) chosen.push_back(cls);
    return chosen;
}


void UseMember(IDispatch* object, const LifetimeClass& cls) {
    ASSERT_NE(nullptr, object);
    if (cls.kind == ClassKind::kPropertyPage) return;
    if (cls.kind == ClassKind::kAutomation) {
        std::vector<VARIANT> args;
        if (cls.value) args.push_back(cls.value());
        VARIANT result;
        VariantInit(&result);
        EXPECT_EQ(S_OK, CallMember(object, cls.member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, &result))
            << cls.name << "." << Narrow(cls.member);
        VariantClear(&result);
        for (VARIANT& arg : args) VariantClear(&arg);
        return;
    }
    VARIANT value = cls.value();
    EXPECT_EQ(S_OK, PutProperty(object, cls.member, value)) << cls.name << "." << Narrow(cls.member);
    EXPECT_EQ(AsText(value), TakeText(GetProperty(object, cls.member))) << cls.name << "." << Narrow(cls.member);
    VariantClear(&value);
}

}  // namespace kxtest
