#pragma once

#include <string>
#include <string_view>

// What the page's script reads the core's tables from: JSON, written by hand to keep the program small.
std::string JsonString(std::string_view text);

class TJsonObject {
public:
    TJsonObject& Field(std::string_view name, std::string_view text);
    TJsonObject& Field(std::string_view name, const char* text) { return Field(name, std::string_view(text)); }
    TJsonObject& Field(std::string_view name, long long number);
    TJsonObject& Field(std::string_view name, int number) { return Field(name, static_cast<long long>(number)); }
    TJsonObject& Field(std::string_view name, bool flag);
    // A value already written as JSON.
    TJsonObject& Raw(std::string_view name, std::string_view json);
    std::string Text() const { return Body + "}"; }

private:
    void Name(std::string_view name);
    std::string Body = "{";
};

// Items already written as JSON, in an array.
template <typename Range, typename Write>
std::string JsonArray(const Range& items, Write write)
{
    std::string text = "[";
    for (const auto& item : items)
        text.append(text.size() > 1 ? "," : "").append(write(item));
    return text + "]";
}
