// mxcalc-ibus: the calculator keyboard as an IBus input method engine. Started by
// ibus-daemon (its component file names this program with --ibus); it serves engines until
// the daemon goes away or it is told to stop.
#include <glib-unix.h>
#include <ibus.h>

#include <csignal>
#include <cstring>
#include <iostream>

#include "ibus/IBusCalculatorEngine.h"

namespace {

// The component's bus name, as the component file gives it.
constexpr const char* kComponentName = "org.mxcalc.IBus.Calculator";

gboolean quit(gpointer) {
    ibus_quit();
    return G_SOURCE_REMOVE;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ibus") != 0) {
            std::cerr << "usage: mxcalc-ibus --ibus\n"
                         "Started by ibus-daemon; select the engine \"mxcalc\" with: ibus engine mxcalc\n";
            return 2;
        }
    }
    ibus_init();
    IBusBus* bus = ibus_bus_new();
    if (!ibus_bus_is_connected(bus)) {
        std::cerr << "mxcalc-ibus: cannot reach ibus-daemon\n";
        g_object_unref(bus);
        return 1;
    }
    g_signal_connect(bus, "disconnected", G_CALLBACK(+[](IBusBus*, gpointer) { ibus_quit(); }), nullptr);
    g_unix_signal_add(SIGTERM, quit, nullptr);
    g_unix_signal_add(SIGINT, quit, nullptr);

    IBusFactory* factory = ibus_factory_new(ibus_bus_get_connection(bus));
    ibus_factory_add_engine(factory, IBusCalculatorEngineName, IBusCalculatorEngineType());
    ibus_bus_request_name(bus, kComponentName, 0);
    ibus_main();

    g_object_unref(factory);
    g_object_unref(bus);
    return 0;
}
