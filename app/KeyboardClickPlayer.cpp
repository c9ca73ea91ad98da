#include "app/KeyboardClickPlayer.h"

#include <canberra.h>

namespace {

// The sound naming scheme's button sound; themes without it fall back to a short one that
// every freedesktop theme has.
constexpr const char* kClickEvent = "button-pressed";
constexpr const char* kFallbackEvent = "audio-volume-change";

void playOn(ca_context* context) {
    if (ca_context_play(context, 0, CA_PROP_EVENT_ID, kClickEvent, CA_PROP_MEDIA_ROLE, "event", nullptr) ==
        CA_ERROR_NOTFOUND) {
        ca_context_play(context, 0, CA_PROP_EVENT_ID, kFallbackEvent, CA_PROP_MEDIA_ROLE, "event", nullptr);
    }
}

// Through the desktop's sound server only: where there is none, the click stays silent
// instead of the sound library probing (and complaining about) absent sound cards.
ca_context* openContext() {
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) return nullptr;
    if (ca_context_set_driver(context, "pulse") != CA_SUCCESS || ca_context_open(context) != CA_SUCCESS) {
        ca_context_destroy(context);
        return nullptr;
    }
    return context;
}

}  // namespace

KeyboardClickPlayer::KeyboardClickPlayer(bool muted) : muted_(muted) {
    if (!muted_) worker_ = std::thread([this] { run(); });
}

KeyboardClickPlayer::~KeyboardClickPlayer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (worker_.joinable()) worker_.join();
}

void KeyboardClickPlayer::play() {
    if (muted_) return;
    {
        std::lock_guard lock(mutex_);
        wanted_ = true;
    }
    wake_.notify_one();
}

int KeyboardClickPlayer::played() const {
    std::lock_guard lock(mutex_);
    return played_;
}

// The context is made on the first click, here, because connecting to the sound server
// can take a while; without a server, later clicks do not try again.
void KeyboardClickPlayer::run() {
    ca_context* context = nullptr;
    bool opened = false;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return wanted_ || stopping_; });
            if (stopping_) break;
            wanted_ = false;
        }
        if (!opened) {
            context = openContext();
            opened = true;
        }
        if (context) playOn(context);
        std::lock_guard lock(mutex_);
        ++played_;
    }
    if (context) ca_context_destroy(context);
}
