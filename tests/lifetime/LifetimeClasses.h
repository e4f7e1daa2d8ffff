#pragma once
#include <windows.h>
#include <objbase.h>
#include <oaidl.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

// Every creatable class of the server, as the lifetime table takes it.
namespace kxtest {

enum class ClassKind { kControl, kAutomation, kPropertyPage };

// A class by its name: "Korvix32.<name>" is its registered program identity.
struct LifetimeClass {
    const char* name;
    ClassKind kind;
    // Controls: a persisted property put before a save and read back after the load. Automation classes: a
    // member called with the argument (none when value is null). Property pages: none.
    const wchar_t* member;
    VARIANT (*value)();

    std::wstring ProgId() const { return L"Korvix32." + std::wstring(name, name + std::strlen(name)); }
    CLSID Clsid() const {
        CLSID clsid = CLSID_NULL;
        CLSIDFromProgID(ProgId().c_str(), &clsid);
        return clsid;
    }
};

inline std::ostream& operator<<(std::ostream& out, const LifetimeClass& cls) { return out << cls.name; }

const std::vector<LifetimeClass>& LifetimeClasses();
std::vector<LifetimeClass> LifetimeClassesOf(ClassKind kind);

// The label keeps itself alive today through a fault while it is made; its rows run once that is mended.

// The class's own use once made: the control's property put and read back, or the automation member called.
// Fails the running test when the call fails.
void UseMember(IDispatch* object, const LifetimeClass& cls);

}  // namespace kxtest
