#pragma once

#include <string>

// The texts of the store's errors, naming the value concerned.
inline std::string FailedToGet(const std::string& name) { return "Failed to get data for '" + name + "'"; }
inline std::string InvalidType(const std::string& name) { return "Invalid data type for '" + name + "'"; }
inline std::string FailedToSet(const std::string& name) { return "Failed to set data for '" + name + "'"; }
