#include "WindowSubclasser.h"

#include <commctrl.h>

#include <algorithm>

#include "KeepAlive.h"

namespace kx {

// One window's hook: its message tables and its owner. It is complete before it is installed, and
// a hook removed while one of its calls is still running is freed when that call returns.
class WindowSubclasser::Hook {
public:
    Hook(HWND window, SubclassOwner& owner, IUnknown* holder) : window_(window), owner_(&owner), holder_(holder) {}

    bool Install() { return SetWindowSubclass(window_, &Hook::Procedure, Id(), reinterpret_cast<DWORD_PTR>(this)); }

    // Restores the window's previous procedure; no call reaches the owner from here on.
    void Remove() {
        RemoveWindowSubclass(window_, &Hook::Procedure, Id());
        owner_ = nullptr;
        before_ = {};
        after_ = {};
        removed_ = true;
        if (running_ == 0) delete this;
    }

    void Add(long message, bool before) { (before ? before_ : after_).Add(message); }

private:
    struct Table {
        long count = 0;  // 0: none; -1: every message; n: the first n entries
        std::vector<UINT> messages;

        void Add(long message) {
            if (message == kEveryMessage) {
                count = kEveryMessage;
                return;
            }
            if (count > 0 && std::count(messages.begin(), messages.begin() + count, static_cast<UINT>(message)))
                return;
            messages.resize(static_cast<size_t>(std::max(count, 0L)));
            messages.push_back(static_cast<UINT>(message));
            count = static_cast<long>(messages.size());
        }
        bool Matches(UINT message) const {
            if (count == 0) return false;
            const auto end = count < 0 ? messages.begin() : messages.begin() + count;
            return count < 0 || std::find(messages.begin(), end, message) != end;
        }
    };

    // Keeps the hook alive while a call runs, however deep the owner's callbacks nest.
    class Running {
    public:
        explicit Running(Hook& hook) : hook_(hook) { ++hook_.running_; }
        ~Running() {
            if (--hook_.running_ == 0 && hook_.removed_) delete &hook_;
        }

    private:
        Hook& hook_;
    };

    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    void CallOwner(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                   LPARAM& lParam) {
        const Table& table = before ? before_ : after_;
        if (owner_ && table.Matches(message))
            owner_->SubclassCallback(before, handled, result, window, message, wParam, lParam);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
        Hook& hook = *reinterpret_cast<Hook*>(data);
        Running running(hook);
        // The owner's object outlives the call; its last release may remove the hook, which running
        // (made first, ended last) then frees.
        const KeepAlive holding(hook.owner_ ? hook.holder_ : nullptr);
        LRESULT result = 0;
        bool handled = false;
        hook.CallOwner(true, handled, result, window, message, wParam, lParam);
        if (handled) return result;
        result = DefSubclassProc(window, message, wParam, lParam);
        hook.CallOwner(false, handled, result, window, message, wParam, lParam);
        // A window destroyed under its hook takes the hook off; the record is freed by Unsubclass.
        if (message == WM_NCDESTROY && !hook.removed_) RemoveWindowSubclass(window, &Hook::Procedure, hook.Id());
        return result;
    }

    HWND window_;
    SubclassOwner* owner_;  // not counted: the owner removes its hooks before it goes
    IUnknown* holder_;
    Table before_;
    Table after_;
    int running_ = 0;
    bool removed_ = false;
};

int WindowSubclasser::Subclass(HWND window) {
    int index = FindWindowEntry(window, true);
    if (index < 0) {
        records_.emplace_back();
        index = static_cast<int>(records_.size()) - 1;
    }
    auto* hook = new Hook(window, owner_, holder_);
    if (!hook->Install()) {
        delete hook;
        return -1;
    }
    records_[index] = {window, hook};
    return index;
}

void WindowSubclasser::AddMessage(HWND window, long message, int when) {
    const int index = FindWindowEntry(window, false);
    if (index < 0) return;
    if (when & kBefore) records_[index].hook->Add(message, true);
    if (when & kAfter) records_[index].hook->Add(message, false);
}

void WindowSubclasser::Unsubclass(HWND window) {
    const int index = FindWindowEntry(window, false);
    if (index < 0) return;
    Record record = records_[index];
    records_[index] = {};
    record.hook->Remove();
}

void WindowSubclasser::UnsubclassAll() {
    for (int i = static_cast<int>(records_.size()) - 1; i >= 0; --i)
        if (records_[i].window) Unsubclass(records_[i].window);
}

int WindowSubclasser::FindWindowEntry(HWND window, bool forAdding) const {
    for (int i = static_cast<int>(records_.size()) - 1; i >= 0; --i) {
        const HWND recorded = records_[i].window;
        if (forAdding ? recorded == nullptr : (recorded != nullptr && recorded == window)) return i;
    }
    return -1;
}

}  // namespace kx
