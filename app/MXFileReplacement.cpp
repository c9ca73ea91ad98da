#include "app/MXFileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr mode_t kNewFileMode = 0644;

std::string reason() { return std::strerror(errno); }

std::string writeAll(int descriptor, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return count < 0 ? reason() : std::string("nothing could be written");
        written += static_cast<size_t>(count);
    }
    return {};
}

std::string fillAndClose(int descriptor, const std::string& bytes, mode_t mode) {
    std::string failure = writeAll(descriptor, bytes);
    if (failure.empty() && ::fchmod(descriptor, mode) != 0) failure = reason();
    if (failure.empty() && ::fsync(descriptor) != 0) failure = reason();
    if (::close(descriptor) != 0 && failure.empty()) failure = reason();
    return failure;
}

}  // namespace

std::string MXWriteFileReplacing(const std::string& path, const std::string& bytes) {
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    std::vector<char> temporary(path.begin(), path.end());
    const std::string suffix = ".XXXXXX";
    temporary.insert(temporary.end(), suffix.begin(), suffix.end());
    temporary.push_back('\0');
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) return reason();
    std::string failure = fillAndClose(descriptor, bytes, mode);
    if (failure.empty() && ::rename(temporary.data(), path.c_str()) != 0) failure = reason();
    if (!failure.empty()) ::unlink(temporary.data());
    return failure;
}
