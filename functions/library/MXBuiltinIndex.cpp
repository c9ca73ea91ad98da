#include "functions/library/MXBuiltinIndex.h"

namespace detail {

MXBuiltinIndex::MXBuiltinIndex(const std::unordered_map<std::u16string, MXBuiltin>& table)
    : builtins_(table.begin(), table.end()) {
    // A sparse table keeps the probe chains of these short names at one entry.
    builtins_.reserve(table.size() * 4);
}

MXBuiltin MXBuiltinIndex::find(std::u16string_view name) const {
    const auto found = builtins_.find(name);
    return found == builtins_.end() ? nullptr : found->second;
}

size_t MXBuiltinIndex::NameHash::operator()(std::u16string_view name) const noexcept {
    // FNV-1a over the code units: the names are short, so this beats a general byte hash.
    size_t hash = 14695981039346656037ull;
    for (char16_t unit : name) hash = (hash ^ unit) * 1099511628211ull;
    return hash;
}

}  // namespace detail
