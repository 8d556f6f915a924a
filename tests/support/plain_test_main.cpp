// The main of the test programs without Qt: each runs in a home of its own.
#include <gtest/gtest.h>

#include "own_home.h"

int main(int argc, char** argv) {
    const momentart::testing::OwnHome home;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
