#include "DictionaryError.h"

#include "text/Utf8.h"

namespace zarvanta {

DictionaryError::DictionaryError(std::wstring message)
    : std::runtime_error(EncodeUtf8(message)), message_(std::move(message)) {}

}  // namespace zarvanta
