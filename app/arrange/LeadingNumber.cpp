#include "LeadingNumber.h"

#include <limits>

#include "runtime/LeadingNumber.h"

namespace zarvanta {

double LeadingNumber(std::wstring_view text) {
    const kx::LeadingNumber number = kx::ReadLeadingNumber(text);
    return number.overflow ? std::numeric_limits<double>::infinity() : number.value;
}

}  // namespace zarvanta
