// Safe access to JSON members for the profile files. A member of the wrong
// type reads as missing (a string where a number is expected gives 0), and
// writing below a member of the wrong type replaces it, so no jsoncpp type
// error ever leaves these functions.
#pragma once

#include <json/json.h>

#include <cstdint>
#include <string>

namespace profile {

// The member `key` of an object; a null value when `object` is not an object
// or has no such member.
const Json::Value& MemberOf(const Json::Value& object, const char* key);

// Element `index` of an array; a null value when `array` is not an array or
// the index is outside it.
const Json::Value& ElementOf(const Json::Value& array, int64_t index);

// A number as an integer (a fraction is cut off, true is 1); any other type,
// or a number outside the 64-bit range, reads as 0.
int64_t IntegerOf(const Json::Value& value);

// A flag: true, false or a number (non-zero is true); any other type is false.
bool FlagOf(const Json::Value& value);

// A string; any other type reads as empty.
std::string StringOf(const Json::Value& value);

// The member `key` for writing. `object` becomes an object when it is not one.
Json::Value& ObjectMember(Json::Value& object, const char* key);

// Element `index` for writing. `array` becomes an array when it is not one and
// grows with nulls up to the index.
Json::Value& ArrayElement(Json::Value& array, uint32_t index);

}  // namespace profile
