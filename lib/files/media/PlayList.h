#pragma once
#include <string>

// The entries of a play list not yet started: file names separated by CR LF, taken off the front one at a
// time. Plain code, no platform headers.
namespace kx {

class PlayList {
public:
    bool Empty() const { return next_ >= entries_.size(); }
    void Clear();
    // Starts over from the whole list; a last entry without its CR LF is kept.
    void Fill(const std::wstring& names);
    // The first remaining entry (up to its CR LF), taken off the list.
    std::wstring TakeFirst();

private:
    std::wstring entries_;  // every entry ended by CR LF
    size_t next_ = 0;       // where the remaining entries start
};

}  // namespace kx
