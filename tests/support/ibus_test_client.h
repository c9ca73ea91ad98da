#pragma once
// An application of a private ibus-daemon, for the engine's tests and benchmark: one input
// context served by the calculator engine (the global engine) and a document kept as an application keeps
// it: commits inserted, surrounding-text deletions and forwarded BackSpaces applied, keys the
// engine did not use typed, and the surrounding text told back. Every wait has a deadline.
#include <ibus.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class IBusTestClient {
public:
    // Preedit, auxiliary text and focus always; surrounding text when asked for.
    IBusTestClient(IBusBus* bus, bool surroundingText);
    ~IBusTestClient();
    IBusTestClient(const IBusTestClient&) = delete;
    IBusTestClient& operator=(const IBusTestClient&) = delete;

    // Makes the calculator the engine of every input context that gets the focus.
    static bool selectEngine(IBusBus* bus);
    // Focuses the context and waits until the calculator engine serves it; false on timeout.
    bool focus();
    // Presses and releases each key: characters as they are, named keys in braces ("{Left}",
    // "{C-c}" with Control), "{focus}" for focus leaving and coming back, "{reset}" for the
    // application's reset (a mouse click). False when a key got no answer in time.
    bool type(std::string_view keys);
    // Press or release of one key; the engine's answer, and false when none came in time.
    bool sendKey(guint keyval, guint state, bool* used = nullptr);
    void activateProperty(const std::string& name, bool on);

    // Runs the default main context until `done` holds; false when `seconds` passed first.
    static bool waitFor(const std::function<bool()>& done, double seconds = 10);

    const std::string& document() const { return document_; }
    // What reached the document, in order: committed texts, "<del>" for a deletion through
    // the surrounding text, "<BackSpace>" for a forwarded one, "<pass:Name>" for a key the
    // engine passed on.
    const std::vector<std::string>& output() const { return output_; }
    // The texts shown; empty while hidden.
    const std::string& auxiliary() const { return auxiliary_; }
    const std::string& preedit() const { return preedit_; }
    // Commits and auxiliary-text updates received so far.
    size_t answers() const { return answers_; }
    IBusInputContext* context() const { return context_; }

private:
    bool typeNamed(std::string_view name);
    void applyUnused(guint keyval, guint state);
    void insert(const std::string& text);
    void eraseBefore(size_t characters);
    void tellSurroundingText();
    void connectSignals();

    IBusInputContext* context_ = nullptr;
    bool surroundingText_;
    std::string document_;
    std::vector<std::string> output_;
    std::string auxiliary_;
    std::string preedit_;
    size_t answers_ = 0;
    size_t focusAnswers_ = 0;
    bool focusedBefore_ = false;
};
