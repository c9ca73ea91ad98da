#pragma once
// A point in time: seconds since 1970-01-01 00:00:00 UTC.
#include <chrono>

class MXDate {
public:
    MXDate() : MXDate(now()) {}

    static MXDate date() { return MXDate(); }
    static MXDate dateWithTimeIntervalSince1970(double seconds) { return MXDate(seconds); }

    double timeIntervalSince1970() const { return seconds_; }

    bool operator==(const MXDate&) const = default;

private:
    explicit MXDate(double seconds) : seconds_(seconds) {}

    static double now() {
        return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    }

    double seconds_;
};
