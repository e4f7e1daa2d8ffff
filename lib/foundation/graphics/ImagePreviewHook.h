#pragma once
#include <windows.h>

#include <string>

// The hook of the image open dialog: it makes the explorer-style dialog 107 pixels taller, centres
// it on the screen and, on every notification, draws in the freed strip a preview of the file named
// in the dialog's file-name box with its size, attributes and picture size. One image dialog at a
// time per process.
namespace kx {

constexpr int kPreviewExtraHeight = 107;

// Before and after each image dialog: the hidden picture box lives exactly as long as the dialog.
void PreparePreview();
void ClosePreview();

// The OPENFILENAME hook (OFN_EXPLORER | OFN_ENABLEHOOK, no template).
UINT_PTR CALLBACK ImageDialogHookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

std::wstring ReadWindowText(HWND window);
HFONT CreatePreviewFont(short size, long angle);

}  // namespace kx
