#pragma once

// The version record.
namespace spanwise {

constexpr const char* kFileDescription = "Spanwise";
constexpr const char* kInternalName = "Spanwise";
constexpr const char* kProductName = "Spanwise";
constexpr const char* kFileVersion = "V1.02";
constexpr const char* kProductVersion = "V1.02";
constexpr int kVersionNumbers[4] = {1, 0, 2, 0};
constexpr const char* kLegalCopyright = "Copyright (C) 2026 The Spanwise developers";

} // namespace spanwise
