#include "PrinterObject.h"

#include "ComBase.h"
#include <winspool.h>

#include <algorithm>
#include <iterator>

#include "ErrorInfo.h"
#include "Handles.h"
#include "ModuleState.h"
#include "Text.h"

namespace kx {
namespace {

enum PrinterMember : DISPID {
    kDeviceName = 1,
    kDriverName,
    kPort,
    kOrientation,
    kCopies,
    kDuplex,
    kHdc,
};

struct MemberName {
    const wchar_t* name;
    DISPID id;
};

constexpr MemberName kMembers[] = {
    {L"DeviceName", kDeviceName}, {L"DriverName", kDriverName}, {L"Port", kPort},
    {L"Orientation", kOrientation}, {L"Copies", kCopies},         {L"Duplex", kDuplex},
    {L"hDC", kHdc},
};

class PrinterObject : public ComBase<IDispatch> {
public:
    explicit PrinterObject(PrinterSettings settings) : settings_(std::move(settings)) { ObjectCreated(); }
    virtual ~PrinterObject() {
        if (dc_) DeleteDC(dc_);
        ObjectDestroyed();
    }
    PrinterObject(const PrinterObject&) = delete;
    PrinterObject& operator=(const PrinterObject&) = delete;


    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (!names || !ids) return E_POINTER;
        HRESULT hr = S_OK;
        for (UINT i = 0; i < count; ++i) {
            ids[i] = DISPID_UNKNOWN;
            if (i == 0) ids[0] = IdOf(names[0]);
            if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
        }
        return hr;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO*, UINT*) override {
        if (flags & DISPATCH_PROPERTYGET) return Get(member, result);
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            if (!params || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
            return Put(member, params->rgvarg[0]);
        }
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    static DISPID IdOf(const wchar_t* name) {
        for (const MemberName& member : kMembers)
            if (name && CompareStringOrdinal(name, -1, member.name, -1, TRUE) == CSTR_EQUAL) return member.id;
        return DISPID_UNKNOWN;
    }

    HRESULT Get(DISPID member, VARIANT* result) {
        if (!result) return S_OK;
        VariantInit(result);
        switch (member) {
            case kDeviceName: return Text(settings_.deviceName, result);
            case kDriverName: return Text(settings_.driverName, result);
            case kPort: return Text(settings_.port, result);
            case kOrientation: return Number(settings_.orientation, result);
            case kCopies: return Number(settings_.copies, result);
            case kDuplex: return Number(settings_.duplex, result);
            case kHdc: return Number(LongFromHandle(DeviceContext()), result);
            default: return DISP_E_MEMBERNOTFOUND;
        }
    }

    HRESULT Put(DISPID member, const VARIANT& value) {
        long* field = member == kOrientation ? &settings_.orientation
                      : member == kCopies   ? &settings_.copies
                      : member == kDuplex   ? &settings_.duplex
                                            : nullptr;
        if (!field) return DISP_E_MEMBERNOTFOUND;  // the names and hDC are read-only
        VARIANT number;
        VariantInit(&number);
        const HRESULT hr = VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4);
        if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
        *field = number.lVal;
        return S_OK;
    }

    static HRESULT Text(const std::wstring& text, VARIANT* result) {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return result->bstrVal ? S_OK : E_OUTOFMEMORY;
    }
    static HRESULT Number(long value, VARIANT* result) {
        result->vt = VT_I4;
        result->lVal = value;
        return S_OK;
    }

    // The printer's device context, made on first use; 0 when the printer cannot give one.
    HDC DeviceContext() {
        if (!dc_ && !settings_.deviceName.empty())
            dc_ = CreateDCW(settings_.driverName.empty() ? nullptr : settings_.driverName.c_str(),
                            settings_.deviceName.c_str(), nullptr, nullptr);
        return dc_;
    }

    PrinterSettings settings_;
    HDC dc_ = nullptr;
};

// winspool is loaded when asked for: the library links without it.
class Spooler {
public:
    Spooler() : module_(LoadLibraryW(L"winspool.drv")) {}
    ~Spooler() {
        if (module_) FreeLibrary(module_);
    }
    Spooler(const Spooler&) = delete;
    Spooler& operator=(const Spooler&) = delete;

    template <class Function>
    Function Entry(const char* name) const {
        return module_ ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
                       : nullptr;
    }

private:
    HMODULE module_;
};

PrinterSettings SettingsOf(const PRINTER_INFO_2W& info) {
    PrinterSettings settings;
    settings.deviceName = info.pPrinterName ? info.pPrinterName : L"";
    settings.driverName = info.pDriverName ? info.pDriverName : L"";
    settings.port = info.pPortName ? info.pPortName : L"";
    if (const DEVMODEW* mode = info.pDevMode) {
        if (mode->dmFields & DM_ORIENTATION) settings.orientation = mode->dmOrientation;
        if (mode->dmFields & DM_COPIES) settings.copies = mode->dmCopies;
        if (mode->dmFields & DM_DUPLEX) settings.duplex = mode->dmDuplex;
    }
    return settings;
}

}  // namespace

IDispatch* CreatePrinterObject(const PrinterSettings& settings) { return new PrinterObject(settings); }

std::vector<PrinterSettings> InstalledPrinters() {
    using EnumPrintersFunction = BOOL(WINAPI*)(DWORD, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);
    Spooler spooler;
    const auto enumPrinters = spooler.Entry<EnumPrintersFunction>("EnumPrintersW");
    if (!enumPrinters) return {};
    const DWORD which = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    enumPrinters(which, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0) return {};
    std::vector<BYTE> buffer(needed);
    if (!enumPrinters(which, nullptr, 2, buffer.data(), needed, &needed, &count)) return {};
    const auto* infos = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    std::vector<PrinterSettings> printers;
    for (DWORD i = 0; i < count; ++i) printers.push_back(SettingsOf(infos[i]));
    return printers;
}

PrinterSettings DefaultPrinter() {
    using GetDefaultPrinterFunction = BOOL(WINAPI*)(LPWSTR, LPDWORD);
    const std::vector<PrinterSettings> printers = InstalledPrinters();
    std::wstring name;
    {
        Spooler spooler;
        if (const auto getDefault = spooler.Entry<GetDefaultPrinterFunction>("GetDefaultPrinterW")) {
            wchar_t buffer[MAX_PATH] = {};
            DWORD size = MAX_PATH;
            if (getDefault(buffer, &size)) name = buffer;
        }
    }
    const auto found = std::find_if(printers.begin(), printers.end(),
                                    [&](const PrinterSettings& printer) { return printer.deviceName == name; });
    if (found != printers.end()) return *found;
    return printers.empty() ? PrinterSettings{} : printers.front();
}

}  // namespace kx
