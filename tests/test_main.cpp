// test_main.cpp - runs the tests of one program, optionally under a locale named in
// VARNHOLT_TEST_LOCALE (as the GUI toolkit would install the user's locale at start-up), and
// puts every process-wide table and setting back to its first-use state around each test, so
// that no test sees what another left behind and fixtures only set up what they need. Programs
// that link the registry stand-in build it with VARNHOLT_TEST_MAIN_RESETS_REGISTRY, so that its
// files are put back too; the others stay free of the toolkit. A run in which a test skipped
// itself ends with 77 (test_exit_status.h).

#include "columns/ColumnCatalog.h"
#include "layouts/settings_file.h"
#include "model/CaptionCatalog.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"
#include "rows/display_scale.h"
#include "test_exit_status.h"
#ifdef VARNHOLT_TEST_MAIN_RESETS_REGISTRY
#include "app/registry.h"
#endif

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

namespace {

void ResetProcessState() {
    varnholt::CaptionCatalog::Instance().Reset();
    varnholt::ColumnCatalog::Instance().Reset();
    varnholt::ResetDisplaySettings();
    varnholt::ResetValueFormats();
    varnholt::ResetLayoutSettings();
    varnholt::view::DisplayScale() = 1.0f;
    varnholt::SetProgramFolder({});
    varnholt::SetCustomLayoutFiles({});
#ifdef VARNHOLT_TEST_MAIN_RESETS_REGISTRY
    varnholt::SetRegistryFiles(varnholt::DefaultRegistryFiles());
#endif
    varnholt::ForgetUserDataFolder();
}

class ProcessStateReset final : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { ResetProcessState(); }
    void OnTestEnd(const testing::TestInfo&) override { ResetProcessState(); }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ProcessStateReset);  // gtest owns it
    if (const char* name = std::getenv("VARNHOLT_TEST_LOCALE"); name != nullptr && *name != '\0') {
        if (std::setlocale(LC_ALL, name) == nullptr) {
            std::fprintf(stderr, "locale %s is not installed (scripts/test creates it)\n", name);
            return 1;
        }
        std::locale::global(std::locale(name));
        // Make sure the run really exercises a locale that would break locale-bound code.
        std::printf("running under %s (decimal point \"%s\")\n", name, std::localeconv()->decimal_point);
    }
    return varnholt::testing_support::ExitStatusOf(RUN_ALL_TESTS());
}
