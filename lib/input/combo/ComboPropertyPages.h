#pragma once
#include <windows.h>

// The class identities of the lookup combo's two property pages.
namespace kx {

// prpGetComoboList, tab "Combo List Items": the column list.
inline constexpr CLSID CLSID_prpGetComoboList = {0xD95D89E9, 0xAC25, 0x4D9C, {0xA1, 0xA8, 0x7A, 0x3C, 0xE4, 0x39, 0x59, 0x7A}};
// prpFields, tab "Fields": the key and shown fields.
inline constexpr CLSID CLSID_prpFields = {0x594766C1, 0x46B3, 0x433F, {0xB5, 0x6A, 0x4C, 0x8A, 0xE8, 0xC6, 0x9B, 0xC3}};

}  // namespace kx
