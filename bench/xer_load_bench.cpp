// xer_load_bench.cpp - opens XER files the way the viewer does and prints, per file, a line
// per step of the open (reading the file with the reader, the indexes, linking, the derived
// passes) with its wall and CPU time and the memory the process holds after it, then the
// whole open and the peak memory. Run one file per process for a true peak.
//
// Usage: xer_load_bench [--threads N] FILE.xer [FILE.xer ...]   (N = 0: as many as pay)

#include "columns/ColumnCatalog.h"
#include "import/Document_xer.h"
#include "import/xer_parser.h"
#include "model/CaptionCatalog.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <string>
#include <string_view>

namespace {

struct Clock {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    double cpu = ProcessCpuMilliseconds();

    // CPU time of every thread of the process, unlike std::clock on some systems.
    static double ProcessCpuMilliseconds() {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    }
};

struct Lap {
    double wall = 0;
    double cpu = 0;
};

// Wall and CPU milliseconds since `from`, and restart from now.
Lap TakeLap(Clock& from) {
    const Clock now;
    const Lap lap{std::chrono::duration<double, std::milli>(now.wall - from.wall).count(), now.cpu - from.cpu};
    from = now;
    return lap;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes here
}

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void PrintStep(const char* name, const Lap& lap) {
    std::printf("  %-8s %9.1f %9.1f %10.0f\n", name, lap.wall, lap.cpu, ResidentMegabytes());
}

}  // namespace

int main(int argc, char** argv) {
    unsigned threads = 0;
    int first_file = 1;
    if (argc > 2 && std::string_view(argv[1]) == "--threads") {
        threads = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
        first_file = 3;
    }
    if (first_file >= argc) {
        std::fprintf(stderr, "usage: xer_load_bench [--threads N] FILE.xer [FILE.xer ...]\n");
        return 2;
    }
    using varnholt::document::Document_xer;
    varnholt::CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    for (int i = first_file; i < argc; ++i) {
        varnholt::ColumnCatalog::Instance().BuildAllColumns();  // as each new layout store does

        // The steps of Document_xer::Load, timed one by one; the read reads the file as the
        // open does, giving its text back as the records are made.
        std::error_code size_error;
        const double file_megabytes = static_cast<double>(std::filesystem::file_size(argv[i], size_error)) / 1e6;
        std::printf("%s, %.1f MB, threads %u (0: as many as pay)\n  %-8s %9s %9s %10s\n", argv[i],
                    size_error ? 0.0 : file_megabytes, threads, "step", "wall ms", "cpu ms", "RSS MB");
        Clock clock;
        Document_xer doc;
        doc.SetLoadThreads(threads);
        if (!varnholt::document::xer_parser::parse_file(doc, argv[i], threads).doc) {
            std::fprintf(stderr, "%s cannot be read or is not an XER export\n", argv[i]);
            return 1;
        }
        const Lap read = TakeLap(clock);
        PrintStep("read", read);
        doc.BuildIndexes();
        const Lap index = TakeLap(clock);
        PrintStep("index", index);
        doc.Build();
        const Lap link = TakeLap(clock);
        PrintStep("link", link);
        doc.ComputeDerived();
        const Lap derive = TakeLap(clock);
        PrintStep("derive", derive);
        const Lap total{read.wall + index.wall + link.wall + derive.wall, read.cpu + index.cpu + link.cpu + derive.cpu};
        PrintStep("open", total);
        std::printf("  %zu activities, %zu relationships, %.0f MB/s, peak %.0f MB\n", doc.Tasks().size(),
                    doc.TaskPreds().size(), file_megabytes * 1e3 / total.wall, PeakMegabytes());
    }
    return 0;
}
