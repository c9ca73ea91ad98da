// varx, the value the containing application shares, and varxi, its argument unchanged.
#include "functions/double/MXDoubleThemes.h"
#include "platform/settings/MXUserDefaults.h"

namespace mxcalc::detail {
namespace {

// Read afresh on every call: the containing application may change it at any time.
double sharedVariableValue() { return MXUserDefaults(MXAppGroupIdentifier).doubleForKey(u"varXvalue"); }

}  // namespace

MXBuiltinEntries storedValueBuiltins() {
    return {
        noArgumentEntry<u"varx", [] { return sharedVariableValue(); }>(),
        exactEntry<u"varxi", 1, [](const MXNumbers& values) { return values[0]; }>(),
    };
}

}  // namespace mxcalc::detail
