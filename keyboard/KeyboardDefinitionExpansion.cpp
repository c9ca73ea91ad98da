#include "keyboard/KeyboardDefinitionExpansion.h"

#include <stdexcept>
#include <string_view>

#include "keyboard/KeyboardDefinitionCall.h"
#include "keyboard/KeyboardTextEditing.h"
#include "keyboard/KeyboardTextNumbers.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace mxcalc::detail {
namespace {

constexpr std::u16string_view kListSeparator = u"~|~";
constexpr std::u16string_view kNameSeparator = u"~~";

// A failure that abandons the rest of the expansion.
class ExpansionStopped : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A definition that cannot be expanded; only that definition is skipped.
class DefinitionMalformed : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

void logFailure(const std::exception& failure) {
    MXLog(u"Eval CustFunc Exception: " + MXFromUtf8(failure.what()));
}

[[noreturn]] void stopForLength() {
    throw ExpansionStopped("expanded text longer than " + std::to_string(kKeyboardMaximumExpandedLength) +
                           " characters");
}

// Replaces every occurrence, unless the text would grow beyond the limit.
void replaceAll(std::u16string& text, std::u16string_view pattern, std::u16string_view replacement) {
    if (!replaceOccurrences(text, pattern, replacement, kKeyboardMaximumExpandedLength)) stopForLength();
}

// Calls `each` with every piece of `text` between the separators.
template <typename Each>
void forEachPiece(std::u16string_view text, std::u16string_view separator, Each each) {
    size_t from = 0;
    for (size_t at = text.find(separator); at != std::u16string_view::npos; at = text.find(separator, from)) {
        each(text.substr(from, at - from));
        from = at + separator.size();
    }
    each(text.substr(from));
}

std::u16string bracketed(std::u16string_view inner) { return u"(" + std::u16string(inner) + u")"; }

int conversionBase(std::u16string_view name) {
    if (name == u"bin" || name == u"bin2dec") return 2;
    if (name == u"oct" || name == u"oct2dec") return 8;
    if (name == u"hex" || name == u"hex2dec") return 16;
    return 0;
}

// A body that is a plain positive quantity makes the call a multiplication by it.
bool isUnitBody(std::u16string_view body, const KeyboardExpansionContext& context) {
    const std::u16string allowed = u"-0123456789E" + context.decimalSeparator + context.groupSeparator;
    return body.find_first_not_of(allowed) == std::u16string_view::npos;
}

class DefinitionExpansion {
public:
    DefinitionExpansion(std::u16string& text, const KeyboardExpansionContext& context)
        : text_(text), context_(context) {}

    void expand(std::u16string_view definition) {
        const size_t separator = definition.find(kNameSeparator);
        if (separator == std::u16string_view::npos) {
            if (findDefinitionCall(text_, definition) != std::u16string_view::npos)
                throw DefinitionMalformed("definition without \"~~\": " + MXToUtf8(definition));
            return;
        }
        const std::u16string_view name = definition.substr(0, separator);
        std::u16string_view body = definition.substr(separator + kNameSeparator.size());
        body = body.substr(0, body.find(kNameSeparator));
        if (name.empty()) return;
        for (size_t start = findDefinitionCall(text_, name); start != std::u16string_view::npos;
             start = findDefinitionCall(text_, name)) {
            if (++expansions_ > kKeyboardMaximumExpansions)
                throw ExpansionStopped("more than " + std::to_string(kKeyboardMaximumExpansions) +
                                       " definition calls expanded");
            expandCall(readDefinitionCall(text_, start, name.size()), name, body);
        }
    }

private:
    void expandCall(const KeyboardDefinitionCall& call, std::u16string_view name, std::u16string_view body) {
        const std::u16string replacement = replacementFor(call, name, body);
        const size_t length = call.closeBracket - call.start + 1;
        const size_t newLength = text_.size() - length + replacement.size();
        if (newLength > kKeyboardMaximumExpandedLength && newLength > text_.size()) stopForLength();
        text_.replace(call.start, length, replacement);
        fillPlaceholders(call.arguments);
    }

    std::u16string replacementFor(const KeyboardDefinitionCall& call, std::u16string_view name,
                                  std::u16string_view body) const {
        std::u16string replacement;
        if (name == u"timestamp")
            replacement = bracketed(MXIntegerText(context_.timestamp(call.arguments)));
        else if (const int base = conversionBase(name))
            replacement = bracketed(
                MXIntegerText(static_cast<int64_t>(leadingUnsignedValue(call.arguments.front(), base))));
        else
            replacement = bracketed(body);
        if (leadingDecimalValue(body) > 0 && leadingDecimalValue(call.argumentText) > 0 && isUnitBody(body, context_))
            replacement = bracketed(call.argumentText + replacement);
        return replacement;
    }

    // "$i" takes the i-th argument everywhere in the text, in turn from "$1"; with fewer than
    // ten arguments the placeholders up to "$10" left unfilled become 0.
    void fillPlaceholders(const std::vector<std::u16string>& arguments) {
        const size_t last = arguments.size() <= 9 ? 10 : arguments.size();
        for (size_t i = 1; i <= last && text_.find(u'$') != std::u16string::npos; ++i) {
            const std::u16string_view value = i <= arguments.size() ? std::u16string_view(arguments[i - 1]) : u"0";
            replaceAll(text_, u"$" + MXIntegerText(static_cast<int64_t>(i)), value);
        }
    }

    std::u16string& text_;
    const KeyboardExpansionContext& context_;
    size_t expansions_ = 0;
};

}  // namespace

const std::vector<std::u16string>& keyboardDefinitions() {
    static const std::vector<std::u16string> definitions = {
        u"sind~~sin(dtor($1;$2;$3))",    u"cosd~~cos(dtor($1;$2;$3))", u"tand~~tan(dtor($1;$2;$3))",
        u"cotd~~cotan(dtor($1;$2;$3))", u"secd~~sec(dtor($1;$2;$3))", u"cscd~~csc(dtor($1;$2;$3))",
    };
    return definitions;
}

void expandDefinitions(std::u16string& text, const std::optional<std::u16string>& userDefinitions,
                       const KeyboardExpansionContext& context) {
    DefinitionExpansion expansion(text, context);
    const auto expandOne = [&expansion](std::u16string_view definition) {
        if (definition.empty()) return;
        try {
            expansion.expand(definition);
        } catch (const DefinitionMalformed& failure) {
            logFailure(failure);
        }
    };
    try {
        if (userDefinitions) forEachPiece(*userDefinitions, kListSeparator, expandOne);
        for (const std::u16string& definition : keyboardDefinitions()) expandOne(definition);
    } catch (const std::exception& failure) {
        logFailure(failure);
    }
}

}  // namespace mxcalc::detail
