#include "functions/double/MXImaginaryFlag.h"

#include <string_view>

#include "platform/settings/MXUserDefaults.h"

namespace mxcalc::detail {

void noteRadicandSign(bool negative) {
    constexpr std::u16string_view kImaginaryKey = u"intIMAGINARY";
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    if (negative) {
        store.setInteger(1, kImaginaryKey);
    } else if (store.integerForKey(kImaginaryKey) == 1) {
        store.setInteger(0, kImaginaryKey);
    }
}

}  // namespace mxcalc::detail
