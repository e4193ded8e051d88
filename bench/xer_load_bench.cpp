// xer_load_bench.cpp - opens XER files the way the viewer does and prints, per file, the wall
// and CPU time of reading, linking and the derived passes, and the peak memory of the process.
//
// Usage: xer_load_bench FILE.xer [FILE.xer ...]   (files from xer_generator, for example)

#include "columns/ColumnCatalog.h"
#include "import/Document_xer.h"
#include "import/xer_parser.h"
#include "model/CaptionCatalog.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Clock {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    std::clock_t cpu = std::clock();
};

// Milliseconds of wall and CPU time since `from`, and restart from now.
std::pair<double, double> Lap(Clock& from) {
    const Clock now;
    const double wall = std::chrono::duration<double, std::milli>(now.wall - from.wall).count();
    const double cpu = 1000.0 * static_cast<double>(now.cpu - from.cpu) / CLOCKS_PER_SEC;
    from = now;
    return {wall, cpu};
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes here
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: xer_load_bench FILE.xer [FILE.xer ...]\n");
        return 2;
    }
    using varnholt::document::Document_xer;
    varnholt::CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    std::printf("%-28s %9s %9s %9s %9s %9s %9s %9s %10s\n", "file", "activities", "read ms", "link ms",
                "derive ms", "total ms", "total cpu", "MB/s", "peak MB");
    for (int i = 1; i < argc; ++i) {
        varnholt::ColumnCatalog::Instance().BuildAllColumns();  // as each new layout store does
        std::ifstream file(argv[i], std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (!file && !file.eof()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }

        // The steps of Document_xer::Load, timed one by one.
        Clock clock;
        Document_xer doc;
        if (!varnholt::document::xer_parser::parse_bytes(doc, bytes).doc) {
            std::fprintf(stderr, "%s is not an XER export\n", argv[i]);
            return 1;
        }
        const auto read = Lap(clock);
        doc.BuildIndexes();
        doc.Build();
        const auto link = Lap(clock);
        doc.ComputeDerived();
        const auto derive = Lap(clock);
        const double total = read.first + link.first + derive.first;
        const double cpu = read.second + link.second + derive.second;
        std::printf("%-28s %9zu %9.0f %9.0f %9.0f %9.0f %9.0f %9.0f %10.0f\n", argv[i], doc.Tasks().size(), read.first,
                    link.first, derive.first, total, cpu, bytes.size() / 1e6 / (total / 1000.0), PeakMegabytes());
    }
    return 0;
}
