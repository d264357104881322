#pragma once

// The Model Number list's entries in the calculator's dialog template. A model is known everywhere
// by its position here; the model catalogue has one row for each, in the same order.

namespace spanwise {

inline constexpr const char* kModelEntries[] = {
    "Alder/Alder-W", "Birch/Birch-W", "Cedar", "Damson",  "Elm/Elm-2", "Fir",
    "Gum/Gum-2",     "Hazel",         "Ivy",   "Juniper", "Kauri",
};

} // namespace spanwise
