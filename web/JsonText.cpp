#include "web/JsonText.h"

#include <cstdio>

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

void TJsonObject::Name(std::string_view name)
{
    Body.append(Body.size() > 1 ? "," : "").append(JsonString(name)).append(":");
}

TJsonObject& TJsonObject::Field(std::string_view name, std::string_view text)
{
    return Raw(name, JsonString(text));
}

TJsonObject& TJsonObject::Field(std::string_view name, long long number)
{
    return Raw(name, std::to_string(number));
}

TJsonObject& TJsonObject::Field(std::string_view name, bool flag)
{
    return Raw(name, flag ? "true" : "false");
}

TJsonObject& TJsonObject::Raw(std::string_view name, std::string_view json)
{
    Name(name);
    Body.append(json);
    return *this;
}
