#include "ArrangementCounts.h"

#include "Rounding.h"

namespace zarvanta {

double Factorial(int n) {
    double product = 1;
    for (int k = 2; k <= n; ++k) product *= k;
    return product;
}

double ResultsTableLastIndex(int n) { return kx::RoundHalfEven(Factorial(n) * 2.8); }

double PartialArrangementCount(int n) {
    double count = 0;
    double ofLength = 1;  // n!/(n−k)!
    for (int k = 1; k <= n; ++k) {
        ofLength *= n - k + 1;
        count += ofLength;
    }
    return count;
}

}  // namespace zarvanta
