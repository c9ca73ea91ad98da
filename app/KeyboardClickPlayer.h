#pragma once
// The key click: the freedesktop sound theme's button sound through libcanberra, played
// by a thread of its own so that a key never waits for the sound server. Clicks asked for
// while one is being started are merged into the next. Without a sound device or server
// (or when muted) nothing is heard and nothing fails.
#include <condition_variable>
#include <mutex>
#include <thread>

class KeyboardClickPlayer {
public:
    explicit KeyboardClickPlayer(bool muted);
    KeyboardClickPlayer(const KeyboardClickPlayer&) = delete;
    KeyboardClickPlayer& operator=(const KeyboardClickPlayer&) = delete;
    ~KeyboardClickPlayer();

    // Returns at once.
    void play();
    // Clicks the player has asked the sound server for (the tests count them).
    int played() const;

private:
    void run();

    bool muted_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool wanted_ = false;
    bool stopping_ = false;
    int played_ = 0;
    std::thread worker_;
};
