#pragma once

#include <string>

// The core speaks UTF-8, Windows UTF-16. Windows builds only.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
