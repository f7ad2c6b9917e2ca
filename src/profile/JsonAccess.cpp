#include "profile/JsonAccess.h"

#include <cmath>

namespace profile {

const Json::Value& MemberOf(const Json::Value& object, const char* key) {
    if (!object.isObject()) {
        return Json::Value::nullSingleton();
    }
    const Json::Value* member = object.find(key, key + std::char_traits<char>::length(key));
    return member != nullptr ? *member : Json::Value::nullSingleton();
}

const Json::Value& ElementOf(const Json::Value& array, int64_t index) {
    if (!array.isArray() || index < 0 || index >= static_cast<int64_t>(array.size())) {
        return Json::Value::nullSingleton();
    }
    return array[static_cast<Json::ArrayIndex>(index)];
}

int64_t IntegerOf(const Json::Value& value) {
    switch (value.type()) {
        case Json::intValue:
            return value.asInt64();
        case Json::uintValue:
            return value.isInt64() ? value.asInt64() : 0;
        case Json::realValue: {
            double real = value.asDouble();
            if (!std::isfinite(real) || real <= -9.2e18 || real >= 9.2e18) {
                return 0;
            }
            return static_cast<int64_t>(real);
        }
        case Json::booleanValue:
            return value.asBool() ? 1 : 0;
        default:
            return 0;
    }
}

bool FlagOf(const Json::Value& value) {
    switch (value.type()) {
        case Json::booleanValue:
            return value.asBool();
        case Json::intValue:
        case Json::uintValue:
        case Json::realValue:
            return value.asDouble() != 0.0;
        default:
            return false;
    }
}

std::string StringOf(const Json::Value& value) {
    return value.isString() ? value.asString() : std::string();
}

Json::Value& ObjectMember(Json::Value& object, const char* key) {
    if (!object.isObject()) {
        object = Json::Value(Json::objectValue);
    }
    return object[key];
}

Json::Value& ArrayElement(Json::Value& array, uint32_t index) {
    if (!array.isArray()) {
        array = Json::Value(Json::arrayValue);
    }
    return array[static_cast<Json::ArrayIndex>(index)];
}

}  // namespace profile
