#include "PlaybackGraph.h"

#include <dshow.h>

#include "ErrorInfo.h"
#include "Rounding.h"

namespace kx {
namespace {

constexpr int kErrObjectNotSet = 91;
constexpr double kUnitsPerSecond = 4260.0;
constexpr long kVideoWindowStyle = 1;
constexpr long kVideoWindowMaximized = SW_MAXIMIZE;

void Check(HRESULT hr) {
    if (FAILED(hr)) throw Error(ErrorNumberOf(hr));
}

// quartz's interfaces carry no __uuidof in mingw's headers.
template <class Interface> const IID& IidOf();
template <> const IID& IidOf<IMediaControl>() { return IID_IMediaControl; }
template <> const IID& IidOf<IMediaPosition>() { return IID_IMediaPosition; }
template <> const IID& IidOf<IBasicAudio>() { return IID_IBasicAudio; }
template <> const IID& IidOf<IVideoWindow>() { return IID_IVideoWindow; }

// A typed interface of a graph object, released when it goes.
template <class Interface>
class GraphInterface {
public:
    explicit GraphInterface(IDispatch* object) {
        if (!object) throw Error(kErrObjectNotSet);
        Check(object->QueryInterface(IidOf<Interface>(), reinterpret_cast<void**>(&pointer_)));
    }
    ~GraphInterface() {
        if (pointer_) pointer_->Release();
    }
    GraphInterface(const GraphInterface&) = delete;
    GraphInterface& operator=(const GraphInterface&) = delete;
    Interface* operator->() const { return pointer_; }
    // Hands the reference over as the object's dual interface.
    IDispatch* Detach() {
        IDispatch* out = pointer_;
        pointer_ = nullptr;
        return out;
    }

private:
    Interface* pointer_ = nullptr;
};

template <class Interface>
IDispatch* QueryPart(IDispatch* graph) {
    return GraphInterface<Interface>(graph).Detach();
}

}  // namespace

GraphParts CreateGraph() {
    IMediaControl* control = nullptr;
    Check(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaControl,
                           reinterpret_cast<void**>(&control)));
    GraphParts parts;
    parts.control = control;
    try {
        parts.position = QueryPart<IMediaPosition>(control);
        parts.audio = QueryPart<IBasicAudio>(control);
    } catch (...) {
        if (parts.position) parts.position->Release();
        control->Release();
        throw;
    }
    return parts;
}

void RenderFile(IDispatch* control, const std::wstring& path) {
    BSTR name = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
    if (!name) throw Error(kErrOutOfMemory);
    const HRESULT hr = GraphInterface<IMediaControl>(control)->RenderFile(name);
    SysFreeString(name);
    Check(hr);
}

void RunGraph(IDispatch* control) { Check(GraphInterface<IMediaControl>(control)->Run()); }
void PauseGraph(IDispatch* control) { Check(GraphInterface<IMediaControl>(control)->Pause()); }
void StopGraph(IDispatch* control) { Check(GraphInterface<IMediaControl>(control)->Stop()); }

void RestartGraph(IDispatch* control, IDispatch* position) {
    StopGraph(control);
    SeekGraph(position, 0);
    RunGraph(control);
}

double GraphDuration(IDispatch* position) {
    REFTIME seconds = 0;
    Check(GraphInterface<IMediaPosition>(position)->get_Duration(&seconds));
    return seconds;
}

double GraphPosition(IDispatch* position) {
    REFTIME seconds = 0;
    Check(GraphInterface<IMediaPosition>(position)->get_CurrentPosition(&seconds));
    return seconds;
}

void SeekGraph(IDispatch* position, double seconds) {
    Check(GraphInterface<IMediaPosition>(position)->put_CurrentPosition(seconds));
}

IDispatch* ShowVideoIn(IDispatch* control, HWND owner) {
    GraphInterface<IVideoWindow> window(control);
    Check(window->put_FullScreenMode(OAFALSE));
    Check(window->put_Owner(reinterpret_cast<OAHWND>(owner)));
    Check(window->put_WindowStyle(kVideoWindowStyle));
    Check(window->put_WindowState(kVideoWindowMaximized));
    return window.Detach();
}

long PositionUnits(double seconds) {
    const double units = RoundHalfEven(seconds * kUnitsPerSecond);
    if (!FitsInt32(units)) throw Error(kErrOverflow);
    return static_cast<long>(units);
}

}  // namespace kx
