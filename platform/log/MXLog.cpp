#include "platform/log/MXLog.h"

#include <cstdio>

#include "platform/text/MXText.h"

namespace {
std::mutex& sinkMutex() {
    static std::mutex mutex;
    return mutex;
}

MXLogSink& currentSink() {
    static MXLogSink sink;
    return sink;
}
}  // namespace

void MXLog(std::string_view line) {
    MXLogSink sink;
    {
        std::lock_guard lock(sinkMutex());
        sink = currentSink();
    }
    if (sink) {
        sink(line);
        return;
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

void MXLog(std::u16string_view line) { MXLog(std::string_view(MXToUtf8(line))); }

MXLogSink MXLogSetSink(MXLogSink sink) {
    std::lock_guard lock(sinkMutex());
    MXLogSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

MXLogCapture::MXLogCapture() {
    previous_ = MXLogSetSink([this](std::string_view line) {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    });
}

MXLogCapture::~MXLogCapture() { MXLogSetSink(std::move(previous_)); }

std::vector<std::string> MXLogCapture::lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

bool MXLogCapture::contains(std::string_view text) const {
    std::lock_guard lock(mutex_);
    for (const auto& line : lines_) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}
