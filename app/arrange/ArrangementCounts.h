#pragma once

// The counts the all-letters mode's progress is measured in, as floating-point numbers like its bar.
namespace zarvanta {

// 2 × 3 × ... × n; 1 below 2.
double Factorial(int n);
// The last index of the results table the mode was once sized by: n! × 2.8, rounded half to even.
double ResultsTableLastIndex(int n);
// The arrangements of 1 to n of the letters: the sum over k of n!/(n−k)!.
double PartialArrangementCount(int n);

}  // namespace zarvanta
