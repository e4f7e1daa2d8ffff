#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The real keyboard for tests: keys and text put into the platform's input queue (SendInput).
namespace kxtest {

// One real key press and release, with Shift held when asked.
inline void PressKey(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Types text as the keyboard would: letters and digits by their keys, anything else as a character.
inline void TypeText(const std::wstring& text) {
    for (wchar_t c : text) {
        if ((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'-') {
            const SHORT scan = VkKeyScanW(c);
            PressKey(static_cast<WORD>(scan & 0xFF), (scan & 0x100) != 0);
            continue;
        }
        INPUT inputs[2] = {};
        inputs[0].type = INPUT_KEYBOARD;
        inputs[0].ki.wScan = c;
        inputs[0].ki.dwFlags = KEYEVENTF_UNICODE;
        inputs[1] = inputs[0];
        inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
    }
}

}  // namespace kxtest
