#include "functions/library/MXBuiltinIndex.h"

#include <bit>

namespace mxcalc::detail {

MXBuiltinIndex::MXBuiltinIndex(const std::unordered_map<std::u16string, MXBuiltin>& table) {
    // At most half full, so that most searches look at one slot.
    slots_.resize(std::bit_ceil(table.size() * 2 + 1));
    mask_ = slots_.size() - 1;
    for (const auto& [name, builtin] : table) {
        size_t index = firstSlot(name);
        while (slots_[index].builtin != nullptr) index = (index + 1) & mask_;
        slots_[index] = {name, builtin};
    }
}

MXBuiltin MXBuiltinIndex::find(std::u16string_view name) const {
    for (size_t index = firstSlot(name);; index = (index + 1) & mask_) {
        const Slot& slot = slots_[index];
        if (slot.builtin == nullptr || slot.name == name) return slot.builtin;
    }
}

size_t MXBuiltinIndex::firstSlot(std::u16string_view name) const {
    // FNV-1a over the code units: short names, so this beats a general byte hash.
    size_t hash = 14695981039346656037ull;
    for (char16_t unit : name) hash = (hash ^ unit) * 1099511628211ull;
    return (hash ^ (hash >> 29)) & mask_;
}

}  // namespace mxcalc::detail
