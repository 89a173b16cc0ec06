// A test program, with the kit's own main, whose second case never ends: the
// runner's test gives it a short time limit and reads how it ended.
#include <gtest/gtest.h>

#include <windows.h>

TEST(Hang, Passes) {
    SUCCEED();
}

TEST(Hang, NeverEnds) {
    Sleep(INFINITE);
}
