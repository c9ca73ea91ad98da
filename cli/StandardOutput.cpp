#include "cli/StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

constexpr int kFailureStatus = 1;

int standardOutputFailure() {
    const int cause = errno;
    std::fprintf(stderr, "mxcalc: cannot write standard output%s%s\n", cause != 0 ? ": " : "",
                 cause != 0 ? std::strerror(cause) : "");
    return kFailureStatus;
}

}  // namespace

bool standardOutputFailed() { return std::ferror(stdout) != 0 || !std::cout; }

int statusAfterFlushingStandardOutput(int status) {
    std::cout.flush();
    if (std::fflush(stdout) != 0 || standardOutputFailed()) return standardOutputFailure();
    return status;
}
