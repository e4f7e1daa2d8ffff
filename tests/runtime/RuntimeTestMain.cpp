#include <gtest/gtest.h>
#include <ole2.h>

// Controls need an OLE single-threaded apartment on the test thread.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    OleInitialize(nullptr);
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
