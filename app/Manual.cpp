#include "app/Manual.h"

#include <array>

namespace {

std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

}  // namespace

std::array<std::filesystem::path, 2> ManualPlaces(const std::filesystem::path& programFolder)
{
    return {programFolder / ManualFileName,
            (programFolder.parent_path() / "share" / "tesuli" / ManualFileName).lexically_normal()};
}

std::optional<std::filesystem::path> FindManual(const std::filesystem::path& programFolder)
{
    for (const std::filesystem::path& place : ManualPlaces(programFolder)) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(place, ignored))
            return place;
    }
    return std::nullopt;
}

std::string FileUrl(const std::filesystem::path& file)
{
    const std::u8string path = std::filesystem::absolute(file).generic_u8string();
    std::string url = "file://";
    if (!path.starts_with(u8"/"))
        url += '/';  // a drive letter: file:///C:/...
    constexpr std::array<char, 16> Hex{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    for (const char8_t c : path) {
        const auto byte = static_cast<unsigned char>(c);
        // ASCII letters and digits only: isalnum would follow the locale and pass bytes of UTF-8.
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9');
        if (plain || byte == '/' || byte == '-' || byte == '.' || byte == '_' || byte == '~' || byte == ':')
            url += static_cast<char>(byte);
        else
            url.append({'%', Hex[byte >> 4], Hex[byte & 0xF]});
    }
    return url;
}

std::string NoBrowserText(const std::filesystem::path& manual)
{
    return "No web browser could be started to show the manual. Open it with any browser:\n" + Utf8(manual);
}

std::string ManualNotFoundText(const std::filesystem::path& programFolder)
{
    std::string text = "The manual was not found. It was looked for as:";
    for (const std::filesystem::path& place : ManualPlaces(programFolder))
        text += "\n" + Utf8(place);
    return text;
}
