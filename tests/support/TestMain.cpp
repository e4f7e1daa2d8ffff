#include <gtest/gtest.h>

#include "FaultWatch.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return kxtest::RunTestsWatchingFaults();
}
