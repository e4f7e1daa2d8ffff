#include "ConnectionPoint.h"

#include "ComBase.h"

#include <olectl.h>

namespace kx {
namespace {

// Enumerates a snapshot of connections; owns add-ref'd sinks.
class ConnectionEnumerator : public ComBase<IEnumConnections> {
public:
    explicit ConnectionEnumerator(std::vector<CONNECTDATA> items) : items_(std::move(items)) {}
    virtual ~ConnectionEnumerator() {
        for (auto& item : items_) item.pUnk->Release();
    }
    STDMETHODIMP Next(ULONG count, CONNECTDATA* out, ULONG* fetched) override {
        if (!out) return E_POINTER;
        ULONG n = 0;
        for (; n < count && position_ < items_.size(); ++n, ++position_) {
            out[n] = items_[position_];
            out[n].pUnk->AddRef();
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        position_ = position_ + count > items_.size() ? items_.size() : position_ + count;
        return position_ < items_.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumConnections** out) override {
        if (!out) return E_POINTER;
        for (auto& item : items_) item.pUnk->AddRef();
        auto* copy = new (std::nothrow) ConnectionEnumerator(items_);
        if (!copy) {
            for (auto& item : items_) item.pUnk->Release();
            return E_OUTOFMEMORY;
        }
        copy->position_ = position_;
        *out = copy;
        return S_OK;
    }

private:
    std::vector<CONNECTDATA> items_;
    size_t position_ = 0;
};

class PointEnumerator : public ComBase<IEnumConnectionPoints> {
public:
    explicit PointEnumerator(std::vector<ConnectionPoint*> points) : points_(std::move(points)) {
        for (auto* p : points_) p->AddRef();
    }
    virtual ~PointEnumerator() {
        for (auto* p : points_) p->Release();
    }
    STDMETHODIMP Next(ULONG count, IConnectionPoint** out, ULONG* fetched) override {
        if (!out) return E_POINTER;
        ULONG n = 0;
        for (; n < count && position_ < points_.size(); ++n, ++position_) {
            out[n] = points_[position_];
            out[n]->AddRef();
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        position_ = position_ + count > points_.size() ? points_.size() : position_ + count;
        return position_ < points_.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumConnectionPoints** out) override {
        if (!out) return E_POINTER;
        auto* copy = new (std::nothrow) PointEnumerator(points_);
        if (!copy) return E_OUTOFMEMORY;
        copy->position_ = position_;
        *out = copy;
        return S_OK;
    }

private:
    std::vector<ConnectionPoint*> points_;
    size_t position_ = 0;
};

}  // namespace

IEnumConnectionPoints* CreateConnectionPointEnumerator(std::vector<ConnectionPoint*> points) {
    return new (std::nothrow) PointEnumerator(std::move(points));
}

ConnectionPoint::~ConnectionPoint() { UnadviseAll(); }

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IConnectionPoint) return E_NOINTERFACE;
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) return E_POINTER;
    *out = owner_;
    owner_->AddRef();
    return S_OK;
}

// Takes the sink in the point's own interface, or as a plain dispatch interface.
STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = 0;
    IUnknown* held = nullptr;
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(&held))) &&
        (iid_ == IID_IPropertyNotifySink ||
         FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&held)))))
        return CONNECT_E_CANNOTCONNECT;
    connections_.push_back({nextCookie_, held});
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    for (auto it = connections_.begin(); it != connections_.end(); ++it) {
        if (it->cookie != cookie) continue;
        IUnknown* sink = it->sink;
        connections_.erase(it);
        sink->Release();
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** out) {
    if (!out) return E_POINTER;
    std::vector<CONNECTDATA> items;
    for (const auto& c : connections_) {
        c.sink->AddRef();
        items.push_back({c.sink, c.cookie});
    }
    *out = new (std::nothrow) ConnectionEnumerator(std::move(items));
    return *out ? S_OK : E_OUTOFMEMORY;
}

std::vector<IUnknown*> ConnectionPoint::Sinks() const {
    std::vector<IUnknown*> sinks;
    for (const auto& c : connections_) {
        c.sink->AddRef();
        sinks.push_back(c.sink);
    }
    return sinks;
}

void ConnectionPoint::UnadviseAll() {
    auto connections = std::move(connections_);
    connections_.clear();
    for (auto& c : connections) c.sink->Release();
}

void RaiseEvent(const ConnectionPoint& point, DISPID event, VARIANT* args, UINT count) {
    std::vector<VARIANTARG> reversed(args, args + count);  // DISPPARAMS holds the last argument first
    for (UINT i = 0; i < count / 2; ++i) std::swap(reversed[i], reversed[count - 1 - i]);
    DISPPARAMS params = {count ? reversed.data() : nullptr, nullptr, count, 0};
    for (IUnknown* sink : point.Sinks()) {
        VARIANT result;
        VariantInit(&result);
        static_cast<IDispatch*>(sink)->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                               &result, nullptr, nullptr);
        VariantClear(&result);
        sink->Release();
    }
}

void NotifyPropertyChanged(const ConnectionPoint& point, DISPID property) {
    for (IUnknown* sink : point.Sinks()) {
        static_cast<IPropertyNotifySink*>(sink)->OnChanged(property);
        sink->Release();
    }
}

}  // namespace kx
