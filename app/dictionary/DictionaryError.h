#pragma once
#include <stdexcept>
#include <string>

// A dictionary that cannot be opened or read; the message names the file and, for bad content, the line.
namespace zarvanta {

class DictionaryError : public std::runtime_error {
public:
    explicit DictionaryError(std::wstring message);
    const std::wstring& Message() const { return message_; }

private:
    std::wstring message_;
};

}  // namespace zarvanta
