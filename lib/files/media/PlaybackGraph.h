#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

// The platform's media playback graph, reached through the dual interfaces the control keeps in its public
// variables (a host may have replaced them: each call asks the object for the interface it needs, never for
// IDispatch, which Wine's graph refuses). Failures throw kx::Error.
namespace kx {

struct GraphParts {
    IDispatch* control = nullptr;   // IMediaControl, the graph itself
    IDispatch* position = nullptr;  // IMediaPosition
    IDispatch* audio = nullptr;     // IBasicAudio
};

// A new empty graph; the caller owns the three references.
GraphParts CreateGraph();
void RenderFile(IDispatch* control, const std::wstring& path);
void RunGraph(IDispatch* control);
void PauseGraph(IDispatch* control);
void StopGraph(IDispatch* control);
// Stops the graph, seeks to the start and runs it: after the end a seek alone replays without moving the
// reported position.
void RestartGraph(IDispatch* control, IDispatch* position);

// Positions in seconds.
double GraphDuration(IDispatch* position);
double GraphPosition(IDispatch* position);
void SeekGraph(IDispatch* position, double seconds);

// The graph's video window, set up as a child covering the owner's client area; the caller owns the reference.
IDispatch* ShowVideoIn(IDispatch* control, HWND owner);

// The control's position unit: seconds x 4260, halves to even.
long PositionUnits(double seconds);

}  // namespace kx
