// html_to_text_bench.cpp - how long the memo converter takes on large memos: a 1 MB notebook
// of paragraphs, lists, tables and entities, and a line of 100,000 "&nbsp;", each at its size
// and at twice its size so that the growth shows. Prints milliseconds of wall time and of the
// thread's processor time (the steadier figure on a busy machine); never fails on timing.

#include "memo_text/HtmlToText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

using varnholt::HtmlToText;
using Clock = std::chrono::steady_clock;

std::wstring NotebookMemo(std::size_t bytes) {
    const std::wstring paragraph =
        L"<P>Pour the slab after the <B>inspection</B> &amp; sign-off.&nbsp;Crew of four.</P>\r\n"
        L"<UL><LI>Rebar checked</LI><LI>Forms</LI></UL><TABLE><TR><TD>Crane</TD><TD>1 day</TD></TR></TABLE>\r\n"
        L"<DIV>Weather    permitting</DIV><BR><BR><BR><PRE>  torque 60 Nm\r\n</PRE>\r\n";
    std::wstring memo = L"<HTML><HEAD><STYLE>p { margin: 0 }</STYLE></HEAD><BODY>";
    while (memo.size() < bytes) memo += paragraph;
    return memo + L"</BODY></HTML>";
}

std::wstring NbspMemo(std::size_t count) {
    std::wstring memo = L"<HTML><BODY><P>";
    for (std::size_t i = 0; i < count; ++i) memo += L"&nbsp;";
    return memo + L"x</P></BODY></HTML>";
}

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Time(const char* name, const std::wstring& memo) {
    double best_ms = 1e9;
    double best_cpu_ms = 1e9;
    std::size_t out = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        const double cpu_start = ThreadCpuMs();
        out = HtmlToText::Convert(memo, true).size();
        best_cpu_ms = std::min(best_cpu_ms, ThreadCpuMs() - cpu_start);
        best_ms = std::min(best_ms, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("%-22s %9zu chars in, %9zu out: %7.2f ms wall, %7.2f ms processor (best of 5)\n", name,
                memo.size(), out, best_ms, best_cpu_ms);
}

}  // namespace

int main() {
    Time("notebook memo, 1 MB", NotebookMemo(1'000'000));
    Time("notebook memo, 2 MB", NotebookMemo(2'000'000));
    Time("100,000 &nbsp;", NbspMemo(100'000));
    Time("200,000 &nbsp;", NbspMemo(200'000));
    return 0;
}
