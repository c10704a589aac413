#include "app/Manual.h"

#include <array>

std::filesystem::path ManualPath(const std::filesystem::path& programFolder)
{
    const std::filesystem::path beside = programFolder / ManualFileName;
    const std::filesystem::path installed = (programFolder.parent_path() / "share" / "tesuli" / ManualFileName).lexically_normal();
    std::error_code ignored;
    return std::filesystem::exists(beside, ignored) || !std::filesystem::exists(installed, ignored) ? beside : installed;
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
    const std::u8string path = manual.u8string();
    return "No web browser could be started to show the manual. Open it with any browser:\n" + std::string(path.begin(), path.end());
}
