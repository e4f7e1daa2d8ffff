#include <gtest/gtest.h>
#include <ole2.h>

#include "FaultWatch.h"

// Controls need an OLE single-threaded apartment on the test thread.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    OleInitialize(nullptr);
    const int result = kxtest::RunTestsWatchingFaults();
    OleUninitialize();
    return result;
}
