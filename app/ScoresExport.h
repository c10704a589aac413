#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/ScoresList.h"

// One entry of the save dialog's filter list: the caption the player reads and the pattern of the
// file names it shows.
struct TExportFilter {
    const char* Caption;
    const char* Pattern;
};

// "All" shows every file: a file name without a dot is a file too.
inline constexpr std::array<TExportFilter, 3> ExportFilters{{
    {"Excel Comma Separated (*.csv)", "*.csv"},
    {"Text Document (*.txt)", "*.txt"},
    {"All (*.*)", "*"},
}};

inline constexpr const char* EmptyFileNameText = "Please specify the file name.";
// The name the save dialog offers, in the player's documents folder.
inline constexpr const char* ExportProposedName = "tesuli-scores.csv";

// Asked before an export replaces a file that exists; No leaves the file as it is.
std::string ReplaceFileQuestion(const std::string& fileName);
// Whether the file (name in UTF-8) or anything else of that name exists.
bool FileExists(const std::string& fileName);

// The name the export writes to: a name typed without an extension gets that of the chosen filter,
// or ".csv" when the filter names none.
std::string WithDefaultExtension(const std::string& fileName, const TExportFilter& chosen);

// The listed rows as the export file holds them, one line each, in UTF-8.
std::string ExportText(const std::vector<TScoreRow>& rows);

// Where the usual spreadsheet reads a file without it in the ANSI code page (Windows), the export
// starts with this mark, so that names in kana come out whole.
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// What the export file holds on this platform: the text, after the mark where it needs one.
std::string ExportFileText(const std::vector<TScoreRow>& rows);

// Creates or replaces the file (name in UTF-8) with the text. A file that cannot be created or
// written raises an error naming it and the reason: a failure is never reported as saved.
void SaveExportFile(const std::string& fileName, const std::string& text);

// What the player is told after a successful export.
std::string ExportSavedText(const std::string& fileName);
