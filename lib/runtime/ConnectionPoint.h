#pragma once
#include <windows.h>
#include <ocidl.h>

#include <vector>

// One outgoing interface of an object: the sinks the clients advised, kept in advise order.
// A sub-object: its reference count is the owner's.
namespace kx {

class ConnectionPoint : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer* owner, REFIID iid) : owner_(owner), iid_(iid) {}
    ~ConnectionPoint();
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return owner_->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return owner_->Release(); }
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** out) override;

    REFIID Iid() const { return iid_; }
    // The sinks at this moment, each add-ref'd; the caller releases them.
    std::vector<IUnknown*> Sinks() const;
    void UnadviseAll();

private:
    struct Connection {
        DWORD cookie;
        IUnknown* sink;
    };
    IConnectionPointContainer* owner_;
    IID iid_;
    std::vector<Connection> connections_;
    DWORD nextCookie_ = 1;
};

// An enumerator over an object's connection points (sub-objects of one owner), or null.
IEnumConnectionPoints* CreateConnectionPointEnumerator(std::vector<ConnectionPoint*> points);

// Calls Invoke on every dispatch sink of the point. args are in the event's own order; a
// by-reference argument (VT_BYREF) lets each handler change the caller's variable, and later
// sinks see the value the earlier ones left.
void RaiseEvent(const ConnectionPoint& point, DISPID event, VARIANT* args, UINT count);
// Calls IPropertyNotifySink::OnChanged on every sink of the point.
void NotifyPropertyChanged(const ConnectionPoint& point, DISPID property);

}  // namespace kx
