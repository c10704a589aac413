#include "storage/CommaText.h"

#include <algorithm>

namespace {

bool NeedsQuotes(const std::string& field)
{
    return std::any_of(field.begin(), field.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return (code >= 1 && code <= 32) || c == '"' || c == ',';
    });
}

std::string Quoted(const std::string& field)
{
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string CommaText(const std::vector<std::string>& fields)
{
    std::string text;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += ',';
        text += NeedsQuotes(fields[i]) ? Quoted(fields[i]) : fields[i];
    }
    return text;
}

std::string ExportLine(std::string_view date, const std::vector<std::string>& fields)
{
    // A date that would split its own field ("ddd, M/d/yyyy") is quoted; any other stays as it is.
    const std::string dateText(date);
    const bool splits = dateText.find_first_of(",\"") != std::string::npos;
    return (splits ? Quoted(dateText) : dateText) + ',' + CommaText(fields) + "\r\n";
}
