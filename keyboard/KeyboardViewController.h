#pragma once
// The calculator keyboard's input-method controller: keeps its own copy of the typed
// expression, evaluates it after every key, shows the result on the space key, and inserts
// the result into the host document on space or return.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluator/MXMathEvaluator.h"
#include "keyboard/KeyboardNumberFormatCache.h"
#include "keyboard/KeyboardSettingsCache.h"
#include "platform/format/MXDate.h"
#include "platform/settings/MXUserDefaults.h"
#include "keyboard/KeyboardViews.h"
#include "platform/ui/MXGestureRecognizer.h"
#include "platform/ui/MXInputMethodHost.h"
#include "platform/ui/MXLabel.h"
#include "platform/ui/MXUIEnvironment.h"

// The domain of the keyboard's own errors.
extern const std::u16string KeyboardErrorDomain;

class KeyboardViewController {
public:
    using SettingsValues = std::map<std::u16string, MXSettingsValue>;

    // `ownStore` is the keyboard's own settings store; the store shared with the containing
    // application is the app group's suite in the same folder. Connects the keys, the
    // switch and the slider to their actions.
    KeyboardViewController(MXInputMethodHost& host, MXUIEnvironment& environment, KeyboardViews views,
                           MXUserDefaults ownStore = MXUserDefaults::standardUserDefaults());
    KeyboardViewController(const KeyboardViewController&) = delete;
    KeyboardViewController& operator=(const KeyboardViewController&) = delete;
    ~KeyboardViewController();

    MXTextView& resultsLabel() const { return *views_.resultsLabel; }
    MXButton& spaceButton() const { return *views_.spaceButton; }
    const KeyboardViews& views() const { return views_; }
    MXTextDocumentProxy& textDocumentProxy() const { return host_.textDocumentProxy(); }
    void dismissKeyboard() { host_.dismissKeyboard(); }
    void advanceToNextInputMode() { host_.advanceToNextInputMode(); }

    // Lifecycle.
    void viewDidLoad() { initializeKeyboard(); }
    void initializeKeyboard();
    void viewDidAppear(bool animated);
    void spaceSwitchPressed(MXSwitch& control);

    // Key input.
    void keyPressed(MXButton& key);
    // A key of a computer's keyboard: its text as typed, unmapped, into the host document
    // when typing into the host is on and into the expression.
    void typeText(std::u16string_view text);
    void backspaceKeyPressed(MXButton& key);
    void backSpacePressed(MXGestureRecognizer& recognizer);
    void shiftKeyPressed();
    void shiftKeys();
    void switchKeyboardMode(MXButton& key);
    void globeKeyPressed(MXButton& key);
    void spaceSliderSlid(MXSlider& slider);
    void spaceKeyDoubleTapped(MXGestureRecognizer&) {}
    void shiftKeyDoubleTapped(MXGestureRecognizer&) {}
    // The key click, played off the user-interface thread.
    void playTap();
    static bool isOpenAccessGranted() { return true; }
    int shiftStatus() const { return shiftStatus_; }
    bool isRAD() const { return isRAD_; }
    MXLabel* sliderLabel() const { return sliderLabel_.get(); }

    // Layout and key styling.
    void updateConstraints();
    MXImage imageWithImage(const MXImage& image, MXSize size) const;

    // Evaluation pipeline.
    void processString(std::u16string_view text);
    void evaluate(const std::u16string& text);
    // Only clears the result display.
    void evaluate();
    void spaceKeyPressed(MXButton& key);
    void returnKeyPressed(MXButton& key);

    // Keyboard functions and variables.
    // Cleans and expands currentEvalString, then returns the evaluator (created when needed).
    MXMathEvaluator& evaluator();
    std::vector<std::u16string> variablesAndFunctionsInExpression(const MXExpressionPtr& expression);
    void updateVariablesWithExpression(const MXExpressionPtr& expression);
    int64_t getCurrentTimeStamp(const MXDate& date) const;
    std::u16string getUTCDateTimeFromLocalTime(std::u16string_view text) const;
    static std::u16string removeAllWhitespace(std::u16string_view text);

    // Bracket completion.
    std::u16string preCloseBrackets(std::u16string_view text);
    std::optional<std::u16string> closeBracket(MXButton* key, std::optional<std::u16string_view> text);
    void closeBracket(MXButton* key);

    // Number formatting.
    std::u16string getNumDecimalSeparator();
    std::u16string getNumGroupSeparator();
    static std::u16string getNumAggregateSeparator() { return u";"; }
    std::u16string getNumWithDecimalPoint(std::u16string_view text);
    std::u16string getNumWithLocalFormat(std::u16string_view text);
    std::u16string getNumWithLocalFormat(std::u16string_view text, bool grouping);

    bool canType() const { return canType_; }
    void setCanType(bool canType) { canType_ = canType; }
    const std::u16string& currentEvalString() const { return currentEvalString_; }
    const MXSubstitutions& variables() const { return variables_; }
    const std::vector<std::u16string>& orderedVariables() const { return orderedVariables_; }

private:
    struct Separators {
        std::u16string decimal;
        std::u16string group;
    };

    // Evaluation pipeline.
    void insertResult(MXButton& key);

    // Lifecycle, key input and styling.
    void connectActions();
    void connectKey(MXButton& key, const std::string& action);
    void installGestureRecognizers();
    void countLoad();
    void styleSpaceKey();
    void drawSliderLabel(MXSlider& slider, int value);
    // Calls `call` after `seconds` on the main loop, unless this controller is gone by then.
    void afterDelay(double seconds, std::function<void()> call);

    // Keyboard functions.
    MXMathEvaluator& prepareEvaluator(const SettingsValues& settings);
    void cleanCurrentEvalString(const Separators& separators);
    void expandDefinitions(const SettingsValues& settings, const Separators& separators);
    int64_t timestampOfArguments(const std::vector<std::u16string>& arguments) const;
    void createEvaluator();
    MXFunctionResolver functionResolver();

    // Number formatting.
    Separators separators(const SettingsValues& settings);
    std::u16string decimalSeparator(const SettingsValues& settings);
    std::u16string formatNumber(const SettingsValues& settings, std::u16string_view text, bool grouping);

    MXInputMethodHost& host_;
    MXUIEnvironment& environment_;
    KeyboardViews views_;
    MXUserDefaults sharedStore_;
    int shiftStatus_ = 0;
    bool isRAD_ = false;
    bool inputModeListConnected_ = false;
    std::shared_ptr<MXLabel> sliderLabel_;
    // Expires with the controller, so that delayed calls can tell.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
    KeyboardSettingsCache settings_;
    KeyboardNumberFormatCache formats_;
    bool canType_ = true;
    std::u16string currentEvalString_;
    std::unique_ptr<MXMathEvaluator> evaluator_;
    std::vector<std::u16string> registeredFunctions_;
    MXSubstitutions variables_;
    std::vector<std::u16string> orderedVariables_;
};
