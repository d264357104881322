#pragma once

#include "res/ModelEntries.h"

#include <iterator>
#include <string>

namespace spanwise::test {

// A model picked by its position, as "#N" names it, wherever the Model Number list has it.
inline std::string ModelPosition(const std::string& model) {
    for (std::size_t i = 0; i < std::size(kModelEntries); ++i) {
        if (model == kModelEntries[i]) {
            return "#" + std::to_string(i);
        }
    }
    return "#no-such-model";
}

// "#N" of the last model.
inline std::string LastModelPosition() {
    return "#" + std::to_string(std::size(kModelEntries) - 1);
}

} // namespace spanwise::test
