#pragma once

// The command lines that open the control-panel applets, by their number in the type library.
namespace kx {

constexpr long kControlPanelAppletCount = 40;

// The applet's command line, or nullptr for a number outside 0 .. 39.
const wchar_t* ControlPanelCommandLine(long appId);

}  // namespace kx
