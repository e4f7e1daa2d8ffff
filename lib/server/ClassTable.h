#pragma once
#include <windows.h>

#include "ObjectCreation.h"

// Every public class of the library: its identity, its name ("Korvix32.<name>" is its program
// identity) and how to make one.
namespace kx {

struct ClassEntry {
    const CLSID* clsid;
    const wchar_t* name;
    HRESULT (*create)(REFIID iid, void** out);
    bool isControl;
};

const ClassEntry* ClassTableBegin();
const ClassEntry* ClassTableEnd();
const ClassEntry* FindClass(REFCLSID clsid);

}  // namespace kx
