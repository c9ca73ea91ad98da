// GObject glue: IBus's engine calls forwarded to the input context's calculator.
#include "ibus/IBusCalculatorEngine.h"

#include <exception>
#include <string>

#include "ibus/IBusCalculatorContext.h"
#include "ibus/IBusCalculatorProperties.h"
#include "ibus/IBusUIEnvironment.h"
#include "keyboard/KeyboardLayout.h"
#include "platform/log/MXLog.h"

namespace {

struct MXCalcEngine {
    IBusEngine parent;
    IBusCalculatorContext* context;
};

struct MXCalcEngineClass {
    IBusEngineClass parent;
};

// The panel's last degree/radian choice; degrees, as the keyboard starts, until then.
bool radiansChosen = false;

MXUIEnvironment& environment() {
    static IBusUIEnvironment shared(KeyboardLayout::standard());
    return shared;
}

void logFailure(const char* what) { MXLog(std::string("error: ") + what); }

// Runs `call` on the engine's calculator, if it has one; failures end in the log.
template <typename Call>
void withContext(IBusEngine* engine, Call call) {
    IBusCalculatorContext* context = reinterpret_cast<MXCalcEngine*>(engine)->context;
    if (!context) return;
    try {
        call(*context);
    } catch (const std::exception& failure) {
        logFailure(failure.what());
    }
}

void showProperties(IBusEngine* engine, const IBusCalculatorContext& context) {
    ibus_engine_register_properties(engine, IBusCalculatorProperties(context));
}

}  // namespace

G_DEFINE_TYPE(MXCalcEngine, mxcalc_engine, IBUS_TYPE_ENGINE)

namespace {

gboolean processKeyEvent(IBusEngine* engine, guint keyval, guint /*keycode*/, guint modifiers) {
    IBusCalculatorContext* context = reinterpret_cast<MXCalcEngine*>(engine)->context;
    return context && context->processKey(keyval, modifiers);
}

// Another window may have changed the stored settings or the angle unit meanwhile.
void focusIn(IBusEngine* engine) {
    withContext(engine, [engine](IBusCalculatorContext& context) {
        context.applyStoredSettings();
        context.setRadians(radiansChosen);
        context.focusIn();
        showProperties(engine, context);
    });
}

void forget(IBusEngine* engine) {
    withContext(engine, [](IBusCalculatorContext& context) { context.forget(); });
}

void propertyActivate(IBusEngine* engine, const gchar* name, guint state) {
    withContext(engine, [engine, name, state](IBusCalculatorContext& context) {
        if (!IBusCalculatorActivateProperty(context, name, state)) return;
        radiansChosen = context.radians();
        showProperties(engine, context);
    });
}

void destroy(IBusObject* object) {
    auto* engine = reinterpret_cast<MXCalcEngine*>(object);
    delete engine->context;
    engine->context = nullptr;
    IBUS_OBJECT_CLASS(mxcalc_engine_parent_class)->destroy(object);
}

}  // namespace

static void mxcalc_engine_class_init(MXCalcEngineClass* engineClass) {
    IBUS_OBJECT_CLASS(engineClass)->destroy = destroy;
    IBusEngineClass* calls = IBUS_ENGINE_CLASS(engineClass);
    calls->process_key_event = processKeyEvent;
    calls->focus_in = focusIn;
    calls->focus_out = forget;
    calls->reset = forget;
    calls->disable = forget;
    calls->property_activate = propertyActivate;
}

// A calculator that cannot be made leaves the engine passing every key on.
static void mxcalc_engine_init(MXCalcEngine* engine) {
    try {
        engine->context = new IBusCalculatorContext(&engine->parent, environment());
    } catch (const std::exception& failure) {
        logFailure(failure.what());
        engine->context = nullptr;
    }
}

GType IBusCalculatorEngineType() { return mxcalc_engine_get_type(); }
