#pragma once

#include <string>
#include <string_view>
#include <vector>

// The fields joined by commas. A field holding a blank or control character, a double quote or a
// comma is enclosed in double quotes, with each double quote inside doubled.
std::string CommaText(const std::vector<std::string>& fields);

// One line of the score export, CR LF included: the date text as it is (quoted when it holds a comma
// or a double quote), a comma, the other fields in comma text.
std::string ExportLine(std::string_view date, const std::vector<std::string>& fields);
