// SPDX-License-Identifier: MIT
#include "startup.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    platform::win32::initialise();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
