#include "keyboard/KeyboardSettingsCache.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr uint32_t kWatchedEvents =
    IN_MODIFY | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

// Readers create and delete the write-ahead log too; only content written to it counts.
bool tellsOfChange(const inotify_event& event, const std::string& fileName) {
    if (event.mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) return true;
    if (event.len == 0) return false;
    const std::string name(event.name);
    if (name == fileName) return true;
    return name == fileName + "-wal" && (event.mask & IN_MODIFY);
}

}  // namespace

KeyboardSettingsCache::KeyboardSettingsCache(MXUserDefaults store)
    : store_(std::move(store)), notifier_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

KeyboardSettingsCache::~KeyboardSettingsCache() {
    if (notifier_ >= 0) close(notifier_);
}

const std::map<std::u16string, MXSettingsValue>& KeyboardSettingsCache::values() {
    std::filesystem::path file = store_.filePath();
    if (file != file_ || watch_ < 0) {
        current_ = false;
        file_ = std::move(file);
        watch(file_);
    } else if (storeChanged()) {
        current_ = false;
    }
    if (!current_) {
        values_ = store_.dictionaryRepresentation();
        current_ = watch_ >= 0;
    }
    return values_;
}

bool KeyboardSettingsCache::watch(const std::filesystem::path& file) {
    unwatch();
    if (notifier_ < 0) return false;
    watch_ = inotify_add_watch(notifier_, file.parent_path().c_str(), kWatchedEvents);
    storeChanged();
    return watch_ >= 0;
}

void KeyboardSettingsCache::unwatch() {
    if (watch_ >= 0) inotify_rm_watch(notifier_, watch_);
    watch_ = -1;
}

bool KeyboardSettingsCache::storeChanged() {
    alignas(inotify_event) char buffer[4096];
    const std::string fileName = file_.filename().string();
    bool changed = false;
    for (;;) {
        const ssize_t length = read(notifier_, buffer, sizeof buffer);
        if (length <= 0) break;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->wd == watch_ || (event->mask & IN_Q_OVERFLOW)) {
                changed = changed || tellsOfChange(*event, fileName);
                if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) watch_ = -1;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return changed;
}

int64_t KeyboardSettingsInteger(const std::map<std::u16string, MXSettingsValue>& values, std::u16string_view key) {
    const auto found = values.find(std::u16string(key));
    return found == values.end() ? 0 : MXSettingsIntegerValue(found->second);
}

std::optional<std::u16string> KeyboardSettingsText(const std::map<std::u16string, MXSettingsValue>& values,
                                                   std::u16string_view key) {
    const auto found = values.find(std::u16string(key));
    if (found == values.end()) return std::nullopt;
    return MXSettingsTextValue(found->second);
}
