#include "engine/operators/MXOperatorCharacterSet.h"

void MXOperatorCharacterSet::insert(std::u16string_view units) {
    for (char16_t unit : units) {
        if (unit < 128) {
            ascii_.set(unit);
        } else {
            const auto position = std::lower_bound(others_.begin(), others_.end(), unit);
            if (position == others_.end() || *position != unit) others_.insert(position, unit);
        }
    }
}
