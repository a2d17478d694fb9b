// main() of the window tests: the application object lives for the whole run.
#include "Aplikacja.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    TAplikacja aplikacja(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
