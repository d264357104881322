#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace spanwise::cli {

// Members keep the order they were added in, as the tool documents its JSON.
using Json = nlohmann::ordered_json;

// One line of JSON; text that is not valid UTF-8 comes out with U+FFFD rather than an exception.
inline std::string JsonText(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace spanwise::cli
