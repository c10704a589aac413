#include "app/ScoresExport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "storage/CommaText.h"

namespace {

bool HasExtension(const std::string& fileName)
{
    const size_t nameStart = fileName.find_last_of("/\\") + 1;  // npos + 1 is 0
    const size_t dot = fileName.rfind('.');
    return dot != std::string::npos && dot >= nameStart && dot + 1 < fileName.size();
}

std::filesystem::path PathOf(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::runtime_error FileError(std::string_view action, const std::string& fileName, int error)
{
    return std::runtime_error(std::string(action) + " file \"" + fileName + "\". " + std::strerror(error));
}

}  // namespace

std::string WithDefaultExtension(const std::string& fileName, const TExportFilter& chosen)
{
    if (HasExtension(fileName))
        return fileName;
    const std::string_view pattern = chosen.Pattern;
    const bool namesOne = pattern.starts_with("*.") && pattern.find('*', 1) == std::string_view::npos;
    return fileName + (namesOne ? std::string(pattern.substr(1)) : std::string(".csv"));
}

std::string ExportText(const std::vector<TScoreRow>& rows)
{
    std::string text;
    for (const TScoreRow& row : rows)
        text += ExportLine(row[0], std::vector<std::string>(row.begin() + 1, row.end()));
    return text;
}

void SaveExportFile(const std::string& fileName, const std::string& text)
{
    errno = 0;
    std::ofstream file(PathOf(fileName), std::ios::binary | std::ios::trunc);
    if (!file)
        throw FileError("Cannot create", fileName, errno ? errno : EIO);
    errno = 0;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
    if (!file)
        throw FileError("Cannot write", fileName, errno ? errno : EIO);
    file.close();
    if (file.fail())
        throw FileError("Cannot write", fileName, errno ? errno : EIO);
}

std::string ReplaceFileQuestion(const std::string& fileName)
{
    return "The file: " + fileName + "\nalready exists. Do you want to replace it?";
}

bool FileExists(const std::string& fileName)
{
    std::error_code ignored;
    return std::filesystem::exists(PathOf(fileName), ignored);
}

std::string ExportSavedText(const std::string& fileName)
{
    return "The file: " + fileName + "\nhas been saved.";
}

std::string ExportFileText(const std::vector<TScoreRow>& rows)
{
#ifdef _WIN32
    return std::string(Utf8ByteOrderMark) + ExportText(rows);
#else
    return ExportText(rows);
#endif
}
