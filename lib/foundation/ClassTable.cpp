#include "ClassTable.h"

#include "Korvix32_h.h"
#include "KxWindow.h"

namespace kx {
namespace {
const ClassEntry kClasses[] = {
    {&CLSID_kxWindow, L"kxWindow", &CreateInstance<KxWindow>, false},
};
}  // namespace

const ClassEntry* ClassTableBegin() { return kClasses; }
const ClassEntry* ClassTableEnd() { return kClasses + sizeof(kClasses) / sizeof(kClasses[0]); }

const ClassEntry* FindClass(REFCLSID clsid) {
    for (const ClassEntry* entry = ClassTableBegin(); entry != ClassTableEnd(); ++entry)
        if (IsEqualCLSID(*entry->clsid, clsid)) return entry;
    return nullptr;
}

}  // namespace kx
