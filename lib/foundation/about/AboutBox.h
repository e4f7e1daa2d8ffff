#pragma once
#include <string>

// The library's About box: a borderless 320 x 200 window with the library's artwork, the title of
// the control that shows it, the version, and the maker's mail address and home page.
namespace kx {

// Shows a fresh box titled "Velmora Group " + controlTitle, modal with no owner (the thread's other
// windows are disabled meanwhile); returns when a click or a key has closed it.
void ShowAboutBox(const std::wstring& controlTitle);

constexpr wchar_t kAboutBoxClass[] = L"KxAboutBox";
constexpr wchar_t kMakerMail[] = L"info@velmora.example";
constexpr wchar_t kMakerHomePage[] = L"http://velmora.example";

// Control identities of the box's captions, in tab order.
enum AboutBoxLabel { kAboutTitle = 1, kAboutMessage, kAboutMail, kAboutUrl };

}  // namespace kx
