#pragma once
#include <cstddef>
#include <vector>

#include "FaultRecorder.h"

// Hardware faults of the project's own code as test failures (FaultRecorder.h). Every test program runs its
// tests through RunTestsWatchingFaults: a test fails with each fault recorded while it ran, in this process or
// in a program it started (the helper, Zarvanta), which writes its faults to the fault log it inherits.
namespace kxtest {

// Installs the recorder and the listener, runs the tests; the program's exit code, 1 when a fault was recorded
// outside any test.
int RunTestsWatchingFaults();

// Faults that a test causes on purpose: those recorded in this process during the guard's life fail nothing.
class ExpectedFaults {
public:
    ExpectedFaults();
    ~ExpectedFaults();
    ExpectedFaults(const ExpectedFaults&) = delete;
    ExpectedFaults& operator=(const ExpectedFaults&) = delete;

    std::vector<kx::FaultRecord> Faults() const;

private:
    size_t first_;
};

}  // namespace kxtest
