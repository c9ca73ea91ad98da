#include "engine/operators/MXTextUnits.h"

#include <string_view>

#include "platform/text/MXText.h"

namespace mxcalc::detail {

char16_t lowercasedUnit(char16_t unit) {
    if (unit < 0x80) return (unit >= u'A' && unit <= u'Z') ? char16_t(unit + 32) : unit;
    if (unit >= 0xD800 && unit <= 0xDFFF) return unit;
    const std::u16string lowered = MXLowercase(std::u16string_view(&unit, 1));
    return lowered.size() == 1 ? lowered[0] : unit;
}

}  // namespace mxcalc::detail
