// A small program the tests start: "exit N" ends with code N, "sleep MS N" waits MS milliseconds
// and ends with N, "idle" keeps a message loop running until it is ended, "image FILE" reads a picture
// file through GDI+ and ends with width * 1000 + height (0 when it cannot be read); "host" runs one control
// (ControlHostMode.h); "fault" makes a fault that the system swallows and ends with 0 (the tests of the fault
// recorder). Faults of the helper and the library go to the fault log that KX_FAULT_LOG names (FaultRecorder.h).
#include <windows.h>
#include <gdiplus.h>

#include <cstdlib>

#include "ControlHostMode.h"
#include "FaultRecorder.h"
#include "PlantedFault.h"

namespace {

int ImageSizeCode(const wchar_t* path) {
    using namespace Gdiplus;
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    if (GdiplusStartup(&token, &input, nullptr) != Ok) return 0;
    int code = 0;
    GpImage* image = nullptr;
    if (DllExports::GdipLoadImageFromFile(path, &image) == Ok) {
        UINT width = 0, height = 0;
        ARGB pixel = 0;
        // Reading a pixel makes a decoder that reads lazily decode the pixels too.
        if (DllExports::GdipGetImageWidth(image, &width) == Ok &&
            DllExports::GdipGetImageHeight(image, &height) == Ok &&
            DllExports::GdipBitmapGetPixel(static_cast<GpBitmap*>(image), 0, 0, &pixel) == Ok)
            code = static_cast<int>(width * 1000 + height);
        DllExports::GdipDisposeImage(image);
    }
    GdiplusShutdown(token);
    return code;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    kx::InstallFaultRecorder();
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc >= 3 && lstrcmpiW(argv[1], L"exit") == 0) return _wtoi(argv[2]);
    if (argc >= 4 && lstrcmpiW(argv[1], L"sleep") == 0) {
        Sleep(static_cast<DWORD>(_wtoi(argv[2])));
        return _wtoi(argv[3]);
    }
    if (argc >= 2 && lstrcmpiW(argv[1], L"idle") == 0) {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        return 0;
    }
    if (argc >= 3 && lstrcmpiW(argv[1], L"image") == 0) return ImageSizeCode(argv[2]);
    if (argc >= 4 && lstrcmpiW(argv[1], L"host") == 0) return RunControlHost(argc - 2, argv + 2);
    if (argc >= 2 && lstrcmpiW(argv[1], L"fault") == 0) {
        kxtest::MakeFaultingWindow();
        return 0;
    }
    return 100;
}
