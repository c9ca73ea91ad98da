#include "tests/support/ibus_test_client.h"

#include <optional>

namespace {

constexpr const char* kEngine = "mxcalc";
constexpr gint kKeyTimeoutMs = 5000;

std::string textOf(IBusText* text) { return text ? ibus_text_get_text(text) : ""; }

}  // namespace

IBusTestClient::IBusTestClient(IBusBus* bus, bool surroundingText) : surroundingText_(surroundingText) {
    context_ = ibus_bus_create_input_context(bus, "mxcalc-test");
    if (!context_) return;
    guint capabilities = IBUS_CAP_PREEDIT_TEXT | IBUS_CAP_AUXILIARY_TEXT | IBUS_CAP_FOCUS | IBUS_CAP_PROPERTY;
    if (surroundingText) capabilities |= IBUS_CAP_SURROUNDING_TEXT;
    ibus_input_context_set_capabilities(context_, capabilities);
    connectSignals();
}

IBusTestClient::~IBusTestClient() {
    if (!context_) return;
    ibus_proxy_destroy(IBUS_PROXY(context_));
    g_object_unref(context_);
}

void IBusTestClient::connectSignals() {
    g_signal_connect(context_, "commit-text", G_CALLBACK(+[](IBusInputContext*, IBusText* text, IBusTestClient* self) {
                         ++self->answers_;
                         self->output_.push_back(textOf(text));
                         self->insert(textOf(text));
                     }),
                     this);
    g_signal_connect(context_, "delete-surrounding-text",
                     G_CALLBACK(+[](IBusInputContext*, gint offset, guint characters, IBusTestClient* self) {
                         self->output_.push_back("<del>");
                         // The cursor is always at the end: a deletion before it is from the end.
                         if (offset < 0) self->eraseBefore(std::min<size_t>(characters, -offset));
                     }),
                     this);
    g_signal_connect(context_, "forward-key-event",
                     G_CALLBACK(+[](IBusInputContext*, guint keyval, guint, guint state, IBusTestClient* self) {
                         if (state & IBUS_RELEASE_MASK) return;
                         self->output_.push_back(std::string("<") + ibus_keyval_name(keyval) + ">");
                         if (keyval == IBUS_KEY_BackSpace) self->eraseBefore(1);
                     }),
                     this);
    g_signal_connect(context_, "update-preedit-text",
                     G_CALLBACK(+[](IBusInputContext*, IBusText* text, guint, gboolean visible, IBusTestClient* self) {
                         self->preedit_ = visible ? textOf(text) : "";
                     }),
                     this);
    g_signal_connect(context_, "register-properties",
                     G_CALLBACK(+[](IBusInputContext*, IBusPropList*, IBusTestClient* self) { ++self->focusAnswers_; }),
                     this);
    g_signal_connect(context_, "update-auxiliary-text",
                     G_CALLBACK(+[](IBusInputContext*, IBusText* text, gboolean visible, IBusTestClient* self) {
                         ++self->answers_;
                         ++self->focusAnswers_;
                         self->auxiliary_ = visible ? textOf(text) : "";
                     }),
                     this);
}

bool IBusTestClient::waitFor(const std::function<bool()>& done, double seconds) {
    const gint64 deadline = g_get_monotonic_time() + static_cast<gint64>(seconds * G_USEC_PER_SEC);
    while (!done()) {
        if (g_get_monotonic_time() > deadline) return false;
        if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
    }
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    return true;
}

bool IBusTestClient::selectEngine(IBusBus* bus) { return ibus_bus_set_global_engine(bus, kEngine); }

// A context focused for the first time waits for the engine to show its properties and its
// empty display: from then on keys reach it. One focused before gets the engine back while
// the daemon handles the focus, which a call answered after it proves.
bool IBusTestClient::focus() {
    if (!context_) return false;
    const size_t before = focusAnswers_;
    ibus_input_context_focus_in(context_);
    if (focusedBefore_) {
        if (IBusEngineDesc* engine = ibus_input_context_get_engine(context_)) g_object_unref(g_object_ref_sink(engine));
        return true;
    }
    focusedBefore_ = waitFor([this, before] { return focusAnswers_ > before; });
    return focusedBefore_;
}

bool IBusTestClient::sendKey(guint keyval, guint state, bool* used) {
    // Whether the engine used the key, once it answered.
    std::optional<bool> answer;
    ibus_input_context_process_key_event_async(
        context_, keyval, 0, state, kKeyTimeoutMs, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
            *static_cast<std::optional<bool>*>(data) =
                ibus_input_context_process_key_event_async_finish(IBUS_INPUT_CONTEXT(source), result, nullptr);
        },
        &answer);
    const bool answered = waitFor([&answer] { return answer.has_value(); });
    if (used) *used = answer.value_or(false);
    return answered;
}

bool IBusTestClient::type(std::string_view keys) {
    while (!keys.empty()) {
        // One character, or a name in braces (no closing brace makes the length 0).
        const size_t length = keys.front() == '{' ? keys.find('}') + 1 : 1;
        if (length == 0) return false;
        const std::string_view name = length == 1 ? keys.substr(0, 1) : keys.substr(1, length - 2);
        keys.remove_prefix(length);
        if (!typeNamed(name)) return false;
    }
    return true;
}

bool IBusTestClient::typeNamed(std::string_view name) {
    if (name == "focus") {
        ibus_input_context_focus_out(context_);
        return focus();
    }
    if (name == "reset") {
        ibus_input_context_reset(context_);
        return true;
    }
    guint state = 0;
    if (name.size() > 2 && name.starts_with("C-")) {
        state = IBUS_CONTROL_MASK;
        name.remove_prefix(2);
    }
    const guint keyval = name.size() == 1 ? ibus_unicode_to_keyval(static_cast<unsigned char>(name[0]))
                                          : ibus_keyval_from_name(std::string(name).c_str());
    bool used = false;
    if (!sendKey(keyval, state, &used)) return false;
    if (!used) applyUnused(keyval, state);
    return sendKey(keyval, state | IBUS_RELEASE_MASK);
}

// As an application handles a key that reached it.
void IBusTestClient::applyUnused(guint keyval, guint state) {
    output_.push_back(std::string("<pass:") + (state & IBUS_CONTROL_MASK ? "C-" : "") + ibus_keyval_name(keyval) + ">");
    if (state & IBUS_CONTROL_MASK) return;
    if (keyval == IBUS_KEY_BackSpace) return eraseBefore(1);
    if (keyval == IBUS_KEY_Return) return insert("\n");
    const gunichar character = ibus_keyval_to_unicode(keyval);
    if (!g_unichar_isprint(character)) return;
    gchar utf8[8] = {};
    g_unichar_to_utf8(character, utf8);
    insert(utf8);
}

void IBusTestClient::activateProperty(const std::string& name, bool on) {
    ibus_input_context_property_activate(context_, name.c_str(), on ? PROP_STATE_CHECKED : PROP_STATE_UNCHECKED);
}

void IBusTestClient::insert(const std::string& text) {
    document_ += text;
    tellSurroundingText();
}

void IBusTestClient::eraseBefore(size_t characters) {
    const glong length = g_utf8_strlen(document_.c_str(), -1);
    const glong kept = length > static_cast<glong>(characters) ? length - static_cast<glong>(characters) : 0;
    document_.resize(static_cast<size_t>(g_utf8_offset_to_pointer(document_.c_str(), kept) - document_.c_str()));
    tellSurroundingText();
}

void IBusTestClient::tellSurroundingText() {
    if (!surroundingText_) return;
    const auto cursor = static_cast<guint>(g_utf8_strlen(document_.c_str(), -1));
    ibus_input_context_set_surrounding_text(context_, ibus_text_new_from_string(document_.c_str()), cursor, cursor);
}
