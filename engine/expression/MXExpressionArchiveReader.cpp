// Reads the archive written by MXExpression::archive(). Anything unexpected gives no tree;
// nesting is bounded before the text is parsed, and the tree is rebuilt with an explicit stack.
#include <charconv>
#include <limits>

#include <nlohmann/json.hpp>

#include "engine/expression/MXExpression.h"
#include "engine/expression/MXExpressionArchiveFormat.h"
#include "platform/text/MXText.h"

namespace {
using namespace mxcalc::detail;
using Json = nlohmann::json;

// Deepest nesting of objects and arrays, counting only up to just past `limit`.
size_t jsonNesting(std::string_view text, size_t limit) {
    size_t depth = 0;
    size_t deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped) escaped = false;
            else if (c == '\\') escaped = true;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit) break;
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

const Json* member(const Json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

std::optional<std::u16string> decodeText(const Json& value) {
    if (value.is_string()) return MXFromUtf8(value.get_ref<const std::string&>());
    if (!value.is_array()) return std::nullopt;
    std::u16string text;
    text.reserve(value.size());
    for (const Json& unit : value) {
        if (!unit.is_number_unsigned() || unit.get<uint64_t>() > 0xFFFF) return std::nullopt;
        text.push_back(static_cast<char16_t>(unit.get<uint64_t>()));
    }
    return text;
}

std::optional<MXNumber> decodeDouble(const Json& value) {
    if (!value.is_string()) return std::nullopt;
    const std::string& text = value.get_ref<const std::string&>();
    double number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return MXNumber::numberWithDouble(number);
}

std::optional<MXNumber> decodeDecimal(const Json& value) {
    if (!value.is_string()) return std::nullopt;
    const std::string& text = value.get_ref<const std::string&>();
    const MXDecimalRecord decimal = MXDecimalRecordFromString(std::string_view(text));
    if (decimal.isNaN && text != "NaN") return std::nullopt;
    return MXNumber::numberWithDecimal(decimal);
}

// An integer value within [minimum, maximum]: the JSON library keeps non-negative integers
// unsigned and negative ones signed.
bool integerInRange(const Json& value, int64_t minimum, uint64_t maximum) {
    if (value.is_number_unsigned()) return value.get<uint64_t>() <= maximum;
    return value.is_number_integer() && value.get<int64_t>() >= minimum;
}

std::optional<MXNumber> decodeInteger(const std::string& kind, const Json& value) {
    constexpr int64_t int64Min = std::numeric_limits<int64_t>::min();
    if (kind == kArchiveKindInt64 && integerInRange(value, int64Min, std::numeric_limits<int64_t>::max()))
        return MXNumber::numberWithLongLong(value.get<int64_t>());
    if (kind == kArchiveKindUInt64 && integerInRange(value, 0, std::numeric_limits<uint64_t>::max()))
        return MXNumber::numberWithUnsignedLongLong(value.get<uint64_t>());
    if (kind == kArchiveKindInt32 &&
        integerInRange(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()))
        return MXNumber::numberWithInt(static_cast<int32_t>(value.get<int64_t>()));
    return std::nullopt;
}

// No node for a damaged number.
MXExpressionPtr decodeNumberNode(const Json& number) {
    if (number.is_null()) return MXExpression::numberExpressionWithNumber(std::nullopt);
    if (!number.is_object()) return nullptr;
    const Json* kind = member(number, kArchiveKindKey);
    const Json* value = member(number, kArchiveValueKey);
    if (kind == nullptr || value == nullptr || !kind->is_string()) return nullptr;
    const std::string& kindName = kind->get_ref<const std::string&>();
    std::optional<MXNumber> decoded;
    if (kindName == kArchiveKindDouble) decoded = decodeDouble(*value);
    else if (kindName == kArchiveKindDecimal) decoded = decodeDecimal(*value);
    else decoded = decodeInteger(kindName, *value);
    return decoded ? MXExpression::numberExpressionWithNumber(decoded) : nullptr;
}

struct FunctionFrame {
    std::u16string function;
    const Json* arguments;
    size_t next;
    std::vector<MXExpressionPtr> decoded;
};

enum class NodeShape { Leaf, Function, Damaged };

// Decodes a leaf into `leaf`, or opens a function frame.
NodeShape openNode(const Json& node, MXExpressionPtr& leaf, std::vector<FunctionFrame>& open) {
    if (!node.is_object()) return NodeShape::Damaged;
    const Json* number = member(node, kArchiveNumberKey);
    const Json* function = member(node, kArchiveFunctionKey);
    const Json* variable = member(node, kArchiveVariableKey);
    if ((number != nullptr) + (function != nullptr) + (variable != nullptr) != 1) return NodeShape::Damaged;
    if (number != nullptr) {
        leaf = decodeNumberNode(*number);
        return leaf ? NodeShape::Leaf : NodeShape::Damaged;
    }
    if (variable != nullptr) {
        const std::optional<std::u16string> name = decodeText(*variable);
        leaf = name ? MXExpression::variableExpressionWithVariable(*name) : nullptr;
        return leaf ? NodeShape::Leaf : NodeShape::Damaged;
    }
    const Json* arguments = member(node, kArchiveArgumentsKey);
    std::optional<std::u16string> name = decodeText(*function);
    if (!name || arguments == nullptr || !arguments->is_array()) return NodeShape::Damaged;
    open.push_back({std::move(*name), arguments, 0, {}});
    open.back().decoded.reserve(arguments->size());
    return NodeShape::Function;
}

MXExpressionPtr decodeTree(const Json& root) {
    std::vector<FunctionFrame> open;
    MXExpressionPtr leaf;
    switch (openNode(root, leaf, open)) {
        case NodeShape::Leaf: return leaf;
        case NodeShape::Damaged: return nullptr;
        case NodeShape::Function: break;
    }
    while (true) {
        FunctionFrame& frame = open.back();
        if (frame.next < frame.arguments->size()) {
            const Json& argument = (*frame.arguments)[frame.next++];
            const NodeShape shape = openNode(argument, leaf, open);
            if (shape == NodeShape::Damaged) return nullptr;
            if (shape == NodeShape::Leaf) open.back().decoded.push_back(std::move(leaf));
            continue;
        }
        MXExpressionPtr node = MXExpression::functionExpressionWithFunction(frame.function, std::move(frame.decoded));
        open.pop_back();
        if (open.empty()) return node;
        open.back().decoded.push_back(std::move(node));
    }
}
}  // namespace

MXExpressionPtr MXExpression::unarchive(std::string_view archive) {
    if (jsonNesting(archive, kArchiveJsonNestingLimit) > kArchiveJsonNestingLimit) return nullptr;
    const Json document = Json::parse(archive.begin(), archive.end(), nullptr, false);
    if (!document.is_object()) return nullptr;
    const Json* version = member(document, kArchiveVersionKey);
    const Json* expression = member(document, kArchiveExpressionKey);
    if (version == nullptr || expression == nullptr) return nullptr;
    if (!version->is_number_unsigned() || version->get<uint64_t>() != kArchiveVersion) return nullptr;
    return decodeTree(*expression);
}
