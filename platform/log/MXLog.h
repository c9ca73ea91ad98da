#pragma once
// The process log: plain formatted lines, standard error by default.
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

using MXLogSink = std::function<void(std::string_view line)>;

void MXLog(std::u16string_view line);
void MXLog(std::string_view line);

// Replaces the sink (an empty sink restores standard error); returns the previous one.
MXLogSink MXLogSetSink(MXLogSink sink);

// Collects every line logged while it lives (for tests), then restores the previous sink.
class MXLogCapture {
public:
    MXLogCapture();
    ~MXLogCapture();
    MXLogCapture(const MXLogCapture&) = delete;
    MXLogCapture& operator=(const MXLogCapture&) = delete;

    std::vector<std::string> lines() const;
    bool contains(std::string_view text) const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    MXLogSink previous_;
};
