#include "ItemNames.h"

#include <algorithm>

#include "TextCase.h"

namespace kx {
namespace {

constexpr wchar_t kForbidden[] = L"\\/:*?\"<>|";

std::wstring NumberedNewFolder(long number) {
    return number == 0 ? std::wstring(L"New Folder") : L"New Folder (" + std::to_wstring(number) + L")";
}

}  // namespace

bool IsAcceptableItemName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    return std::none_of(name.begin(), name.end(), [](wchar_t c) {
        return c < 32 || std::wstring_view(kForbidden).find(c) != std::wstring_view::npos;
    });
}

RenameStep ChooseRenameStep(const std::wstring& oldName, const std::wstring& newName,
                            const std::function<bool(const std::wstring&)>& otherNameExists) {
    if (newName == oldName || !IsAcceptableItemName(newName)) return RenameStep::End;
    if (SameTextIgnoringCase(newName, oldName)) return RenameStep::Rename;  // the entry found is the item itself
    return otherNameExists(newName) ? RenameStep::Restart : RenameStep::Rename;
}

std::wstring NewFolderName(long entriesLikeIt, const std::function<bool(const std::wstring&)>& nameExists) {
    // At most entriesLikeIt names are taken, so one of the next entriesLikeIt + 1 numbers is free.
    const long first = std::max(0L, entriesLikeIt);
    const long last = first + first + 1;
    for (long number = first; number < last; ++number)
        if (!nameExists(NumberedNewFolder(number))) return NumberedNewFolder(number);
    return NumberedNewFolder(last);
}

}  // namespace kx
