#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits text into pieces. A piece that starts with the quote runs to the next quote not doubled
// (a doubled quote inside stands for one); any other piece runs up to the delimiter or the first
// blank or control character. Blanks around pieces are skipped, a delimiter at the very end adds an
// empty piece, and the text ends at its first NUL. Quote and delimiter may be several bytes long.
std::vector<std::string> SplitDelimited(std::string_view text, std::string_view delimiter, std::string_view quote);

// The fields of a stored score record: date, player, score, hints, map.
std::vector<std::string> SplitScoreRecord(std::string_view record);
