#pragma once
#include <windows.h>
#include <unknwn.h>

#include "ClassTable.h"

namespace kx {

// One class object per public class, all of this one kind.
class ClassFactory : public IClassFactory {
public:
    explicit ClassFactory(const ClassEntry& entry);
    virtual ~ClassFactory();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    const ClassEntry& entry_;
    volatile LONG refs_ = 1;
};

}  // namespace kx
