// Writes the archive text directly, with an explicit stack, so that trees of any depth
// can be archived (a JSON library's recursive serializer could overflow the stack).
#include <charconv>
#include <cstdio>

#include "engine/expression/MXExpression.h"
#include "engine/expression/MXExpressionArchiveFormat.h"
#include "engine/expression/MXExpressionNodes.h"
#include "engine/expression/MXExpressionWalks.h"
#include "platform/text/MXText.h"

namespace {
using namespace mxcalc::detail;

bool hasUnpairedSurrogate(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xDC00 && unit <= 0xDFFF) return true;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return true;
            ++i;
        }
    }
    return false;
}

void appendString(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendText(std::string& out, std::u16string_view text) {
    if (!hasUnpairedSurrogate(text)) {
        appendString(out, MXToUtf8(text));
        return;
    }
    out += '[';
    for (size_t i = 0; i < text.size(); ++i) {
        if (i > 0) out += ',';
        out += std::to_string(static_cast<unsigned>(text[i]));
    }
    out += ']';
}

void appendKey(std::string& out, const char* key) {
    out += '"';
    out += key;
    out += "\":";
}

void appendNumberValue(std::string& out, const MXNumber& number) {
    switch (number.kind()) {
        case MXNumberKind::Double: {
            char digits[64];
            const auto result = std::to_chars(digits, digits + sizeof digits, number.doubleValue());
            appendString(out, std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
            return;
        }
        case MXNumberKind::Decimal: appendString(out, MXDecimalRecordToString(number.decimalValue())); return;
        case MXNumberKind::UInt64: out += std::to_string(number.unsignedIntegerValue()); return;
        case MXNumberKind::Int64:
        case MXNumberKind::Int32: out += std::to_string(number.longLongValue()); return;
    }
}

const char* kindName(MXNumberKind kind) {
    switch (kind) {
        case MXNumberKind::Double: return kArchiveKindDouble;
        case MXNumberKind::Decimal: return kArchiveKindDecimal;
        case MXNumberKind::Int64: return kArchiveKindInt64;
        case MXNumberKind::UInt64: return kArchiveKindUInt64;
        case MXNumberKind::Int32: return kArchiveKindInt32;
    }
    return kArchiveKindDouble;
}

void appendNumber(std::string& out, const std::optional<MXNumber>& number) {
    if (!number) {
        out += "null";
        return;
    }
    out += '{';
    appendKey(out, kArchiveKindKey);
    appendString(out, kindName(number->kind()));
    out += ',';
    appendKey(out, kArchiveValueKey);
    appendNumberValue(out, *number);
    out += '}';
}

const std::u16string& givenFunctionName(const MXExpression& node) {
    const auto* function = dynamic_cast<const MXFunctionExpression*>(&node);
    return function != nullptr ? function->givenFunction() : node.function();
}

// Writes a leaf completely, or a function node up to the opening of its argument list.
void openNode(std::string& out, const MXExpression& node) {
    out += '{';
    switch (node.expressionType()) {
        case MXExpressionTypeNumber:
            appendKey(out, kArchiveNumberKey);
            appendNumber(out, node.number());
            out += '}';
            return;
        case MXExpressionTypeVariable:
            appendKey(out, kArchiveVariableKey);
            appendText(out, node.variable());
            out += '}';
            return;
        case MXExpressionTypeFunction:
            appendKey(out, kArchiveFunctionKey);
            appendText(out, givenFunctionName(node));
            out += ',';
            appendKey(out, kArchiveArgumentsKey);
            out += '[';
            return;
    }
}
}  // namespace

std::string MXExpression::archive() const {
    std::string out = "{";
    appendKey(out, kArchiveVersionKey);
    out += std::to_string(kArchiveVersion);
    out += ',';
    appendKey(out, kArchiveExpressionKey);

    walkInWrittenOrder(
        *this, [&](const MXExpression& node) { openNode(out, node); }, [&] { out += ','; },
        [&] { out += "]}"; });
    out += '}';
    return out;
}
