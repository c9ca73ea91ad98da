#pragma once
// A name-to-built-in table searched by text view, without building a string per lookup.
#include <string>
#include <string_view>
#include <unordered_map>

#include "functions/library/MXFunctionEvaluator.h"

namespace detail {

class MXBuiltinIndex {
public:
    explicit MXBuiltinIndex(const std::unordered_map<std::u16string, MXBuiltin>& table);

    // The built-in of an exact (already lower-cased) name, or nullptr.
    MXBuiltin find(std::u16string_view name) const;

private:
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::u16string_view name) const noexcept;
    };
    std::unordered_map<std::u16string, MXBuiltin, NameHash, std::equal_to<>> builtins_;
};

}  // namespace detail
