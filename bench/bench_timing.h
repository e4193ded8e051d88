// bench_timing.h - what the table benchmarks share: a wall-clock figure in milliseconds, the
// best of a few runs, a generated schedule read from its file, a table layout's columns, and
// the main over such files.
#pragma once

#include "import/Document_xer.h"
#include "layouts/GroupSortBy.h"
#include "model/CaptionCatalog.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

namespace varnholt::bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The best of a few runs, so that one page fault or cache miss does not set the figure.
template <class Step>
double BestOf(int runs, Step step) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        step();
        best = std::min(best, MillisecondsSince(start));
    }
    return best;
}

// False, after saying so on standard error, when the file cannot be read as a schedule.
[[nodiscard]] inline bool LoadSchedule(const char* path, document::Document_xer& doc) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (doc.LoadBytes(bytes)) return true;
    std::fprintf(stderr, "cannot read %s\n", path);
    return false;
}

// The columns of a table layout, (field id, unscaled width) from left to right, sorted
// ascending on the first.
template <class TableLayout>
void SetColumns(TableLayout& layout, std::initializer_list<std::pair<std::int32_t, float>> columns) {
    for (const auto& [id, width] : columns) layout.AddColumn(id, width);
    layout.GetGroupSortBy()->AddSortBy(columns.begin()->first, kSortAscending);
}

// A benchmark's main over the schedule files it is given, in English.
template <class Run>
int RunOnFiles(int argc, char** argv, const char* program, Run run) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.xer [FILE.xer ...]\n", program);
        return 2;
    }
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    for (int i = 1; i < argc; ++i) run(argv[i]);
    return 0;
}

}  // namespace varnholt::bench
