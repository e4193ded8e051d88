// test_main.cpp - runs the tests of one program, optionally under a locale named in
// VARNHOLT_TEST_LOCALE (as the GUI toolkit would install the user's locale at start-up).

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (const char* name = std::getenv("VARNHOLT_TEST_LOCALE"); name != nullptr && *name != '\0') {
        if (std::setlocale(LC_ALL, name) == nullptr) {
            std::fprintf(stderr, "locale %s is not installed (scripts/test creates it)\n", name);
            return 1;
        }
        std::locale::global(std::locale(name));
        // Make sure the run really exercises a locale that would break locale-bound code.
        std::printf("running under %s (decimal point \"%s\")\n", name, std::localeconv()->decimal_point);
    }
    return RUN_ALL_TESTS();
}
