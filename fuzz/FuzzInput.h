#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Cuts the fuzzer's bytes into count fields at NUL bytes; missing fields are empty.
inline std::vector<std::string> FuzzFields(const uint8_t* data, size_t size, size_t count)
{
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && fields.size() < count)
            fields.emplace_back();
        else
            fields.back().push_back(static_cast<char>(data[i]));
    }
    fields.resize(count);
    return fields;
}
