// The registered attribute setters of a control class: one table per class,
// keyed by the lower-case attribute name. A class looks an attribute up in its
// own table and hands names it does not know to its base class.
#pragma once

#include <string>
#include <unordered_map>

#include "uilib/UiTypes.h"

namespace DuiLib {

template <class T>
using AttributeSetter = void (*)(T&, const std::string& value);

template <class T>
using AttributeTable = std::unordered_map<std::string, AttributeSetter<T>>;

template <class T>
bool ApplyAttribute(const AttributeTable<T>& table, T& control, const std::string& name,
                    const std::string& value) {
    auto it = table.find(ToLower(name));
    if (it == table.end()) {
        return false;
    }
    it->second(control, value);
    return true;
}

}  // namespace DuiLib
