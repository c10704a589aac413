// An export line must end in exactly one CR LF and its comma text must read back as the fields.
#include "storage/CommaText.h"
#include "storage/ScoreRecordSplit.h"
#include "fuzz/FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto fields = FuzzFields(data, size, 5);
    const std::vector<std::string> rest(fields.begin() + 1, fields.end());
    const std::string line = ExportLine(fields[0], rest);
    if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0)
        std::abort();

    // Fields without a NUL read back through the comma splitting rule, when they carry no blank at
    // either end (the rule skips blanks around unquoted pieces) and are not empty.
    for (const auto& field : rest)
        if (field.empty() || field.find('\0') != std::string::npos)
            return 0;
    const std::string text = CommaText(rest);
    const auto pieces = SplitDelimited(text, ",", "\"");
    if (pieces != rest)
        std::abort();
    return 0;
}
