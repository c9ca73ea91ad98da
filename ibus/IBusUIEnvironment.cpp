#include "ibus/IBusUIEnvironment.h"

#include <glib.h>

#include <cmath>
#include <exception>

#include "platform/log/MXLog.h"

IBusUIEnvironment::IBusUIEnvironment(const KeyboardLayout& layout) {
    for (const auto& [name, size] : layout.images) addImage(name, size);
}

double IBusUIEnvironment::now() const { return static_cast<double>(g_get_monotonic_time()) / G_USEC_PER_SEC; }

void IBusUIEnvironment::performAfterDelay(double seconds, std::function<void()> call) {
    const auto milliseconds = static_cast<guint>(seconds > 0 ? std::ceil(seconds * 1000) : 0);
    g_timeout_add_full(
        G_PRIORITY_DEFAULT, milliseconds,
        [](gpointer data) -> gboolean {
            // An exception must not unwind through the main loop's C frames.
            try {
                (*static_cast<std::function<void()>*>(data))();
            } catch (const std::exception& failure) {
                MXLog(std::string("error: ") + failure.what());
            }
            return G_SOURCE_REMOVE;
        },
        new std::function<void()>(std::move(call)),
        [](gpointer data) { delete static_cast<std::function<void()>*>(data); });
}
