// startup.h - the program's entry: makes the application object and runs it over the
// argument list.
#pragma once

namespace varnholt {

// The process's exit code: 0 after a normal end, non-zero when start-up failed.
int RunVarnholtReader(int argc, char** argv);

}  // namespace varnholt
