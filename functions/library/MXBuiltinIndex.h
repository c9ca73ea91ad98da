#pragma once
// A name-to-built-in table searched by text view: one flat array with open addressing, so
// that neither building it nor searching it allocates per name.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "functions/library/MXFunctionEvaluator.h"

namespace mxcalc::detail {

class MXBuiltinIndex {
public:
    // Refers to the names of `table`, which must outlive the index (the built-in tables
    // live for the whole process).
    explicit MXBuiltinIndex(const std::unordered_map<std::u16string, MXBuiltin>& table);

    // The built-in of an exact (already lower-cased) name, or nullptr.
    MXBuiltin find(std::u16string_view name) const;

private:
    struct Slot {
        std::u16string_view name;
        MXBuiltin builtin = nullptr;
    };

    size_t firstSlot(std::u16string_view name) const;

    std::vector<Slot> slots_;
    size_t mask_ = 0;
};

}  // namespace mxcalc::detail
