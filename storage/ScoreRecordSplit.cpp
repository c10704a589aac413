#include "storage/ScoreRecordSplit.h"

#include "storage/ScoreRecord.h"

namespace {

bool IsBlank(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

class TSplitter {
public:
    TSplitter(std::string_view text, std::string_view delimiter, std::string_view quote)
        : Text(text.substr(0, text.find('\0'))), Delimiter(delimiter), Quote(quote)
    {
    }

    std::vector<std::string> Run()
    {
        std::vector<std::string> pieces;
        SkipBlanks();
        while (Pos < Text.size()) {
            pieces.push_back(At(Quote) ? QuotedPiece() : PlainPiece());
            SkipBlanks();
            if (At(Delimiter)) {
                Pos += Delimiter.size();
                if (Pos == Text.size())
                    pieces.emplace_back();
                SkipBlanks();
            }
        }
        return pieces;
    }

private:
    bool At(std::string_view marker) const
    {
        return !marker.empty() && Text.substr(Pos, marker.size()) == marker;
    }

    void SkipBlanks()
    {
        while (Pos < Text.size() && IsBlank(Text[Pos]))
            ++Pos;
    }

    // Without a closing quote the piece is the rest of the text.
    std::string QuotedPiece()
    {
        std::string piece;
        Pos += Quote.size();
        while (Pos < Text.size()) {
            if (At(Quote)) {
                Pos += Quote.size();
                if (!At(Quote))
                    break;
                Pos += Quote.size();
                piece += Quote;
            } else {
                piece += Text[Pos++];
            }
        }
        return piece;
    }

    std::string PlainPiece()
    {
        const size_t start = Pos;
        while (Pos < Text.size() && !IsBlank(Text[Pos]) && !At(Delimiter))
            ++Pos;
        return std::string(Text.substr(start, Pos - start));
    }

    std::string_view Text;
    std::string_view Delimiter;
    std::string_view Quote;
    size_t Pos = 0;
};

}  // namespace

std::vector<std::string> SplitDelimited(std::string_view text, std::string_view delimiter, std::string_view quote)
{
    return TSplitter(text, delimiter, quote).Run();
}

std::vector<std::string> SplitScoreRecord(std::string_view record)
{
    return SplitDelimited(record, ScoreFieldSeparator, ScoreFieldQuote);
}
