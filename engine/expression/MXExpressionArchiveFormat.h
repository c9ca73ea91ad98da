#pragma once
// The keyed archive of an expression tree: a JSON text, versioned.
//
//   archive  := {"version": 1, "expression": NODE}
//   NODE     := {"number": NUMBER}
//             | {"function": TEXT, "arguments": [NODE, ...]}
//             | {"variable": TEXT}
//   NUMBER   := null                                     (a number node without a number)
//             | {"kind": "double",  "value": "0.1"}     (shortest round-trip text, or
//                                                         "inf", "-inf", "nan")
//             | {"kind": "decimal", "value": "-0.001"}  (plain numeral, or "NaN")
//             | {"kind": "int64",   "value": -5}
//             | {"kind": "uint64",  "value": 18446744073709551615}
//             | {"kind": "int32",   "value": 1}
//   TEXT     := a JSON string, or an array of UTF-16 code units when the text holds an
//               unpaired surrogate (which JSON strings cannot carry)
//
// A function name is archived as it was given; a node is decoded through its kind's
// factory. Reading rejects (gives no tree) any other shape, any other version, and trees
// with more than `kArchiveNestingLimit` nested function nodes.
#include <cstddef>

namespace mxcalc::detail {

inline constexpr int kArchiveVersion = 1;
inline constexpr size_t kArchiveNestingLimit = 100000;
// JSON nesting of the deepest archive allowed: the root object, an object and an array per
// function node, the leaf node object and its number object.
inline constexpr size_t kArchiveJsonNestingLimit = 2 * kArchiveNestingLimit + 3;

inline constexpr const char* kArchiveVersionKey = "version";
inline constexpr const char* kArchiveExpressionKey = "expression";
inline constexpr const char* kArchiveNumberKey = "number";
inline constexpr const char* kArchiveFunctionKey = "function";
inline constexpr const char* kArchiveArgumentsKey = "arguments";
inline constexpr const char* kArchiveVariableKey = "variable";
inline constexpr const char* kArchiveKindKey = "kind";
inline constexpr const char* kArchiveValueKey = "value";

inline constexpr const char* kArchiveKindDouble = "double";
inline constexpr const char* kArchiveKindDecimal = "decimal";
inline constexpr const char* kArchiveKindInt64 = "int64";
inline constexpr const char* kArchiveKindUInt64 = "uint64";
inline constexpr const char* kArchiveKindInt32 = "int32";

}  // namespace mxcalc::detail
