#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

// The printer object of the form runtime (its `Printer` and `Printers`): a platform printer that
// callers reach late-bound by property name (DeviceName, DriverName, Port, Orientation, Copies,
// Duplex, hDC).
namespace kx {

struct PrinterSettings {
    std::wstring deviceName;
    std::wstring driverName;
    std::wstring port;
    long orientation = DMORIENT_PORTRAIT;
    long copies = 1;
    long duplex = DMDUP_SIMPLEX;
};

// A new printer object with one reference, owned by the caller.
IDispatch* CreatePrinterObject(const PrinterSettings& settings);

// Every installed printer, in the platform's order (the runtime's `Printers`).
std::vector<PrinterSettings> InstalledPrinters();
// The default printer (the runtime's `Printer`); empty names when none is installed.
PrinterSettings DefaultPrinter();

}  // namespace kx
