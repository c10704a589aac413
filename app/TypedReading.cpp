#include "app/TypedReading.h"

#include <algorithm>

#include "app/ReadingSpellings.h"

namespace {

const TSpelling* WholeSpelling(std::string_view letters, std::span<const TSpelling> spellings)
{
    const auto found = std::find_if(spellings.begin(), spellings.end(),
                                    [letters](const TSpelling& spelling) { return spelling.Letters == letters; });
    return found == spellings.end() ? nullptr : &*found;
}

bool BeginsLonger(std::string_view letters, std::span<const TSpelling> spellings)
{
    return std::any_of(spellings.begin(), spellings.end(), [letters](const TSpelling& spelling) {
        return spelling.Letters.size() > letters.size() && spelling.Letters.starts_with(letters);
    });
}

}  // namespace

std::vector<TSpelling> FaceSpellings(const std::array<TKanaId, FaceCount>& faceKana)
{
    std::vector<TSpelling> spellings;
    for (size_t face = 0; face < faceKana.size(); ++face)
        if (faceKana[face] < CatalogueSize)
            for (std::string& letters : Spellings(KanaCatalogue[faceKana[face]].Reading))
                spellings.push_back({std::move(letters), static_cast<uint8_t>(face)});
    return spellings;
}

TTyped TTypedReading::Letter(char letter, std::span<const TSpelling> spellings)
{
    if (letter >= 'A' && letter <= 'Z')
        letter = static_cast<char>(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'z')
        return {TTyped::TKind::Editing, Typed};
    Typed += letter;
    if (BeginsLonger(Typed, spellings))
        return {TTyped::TKind::Editing, Typed};
    return Finish(spellings);
}

TTyped TTypedReading::Key(TTypingKey key, std::span<const TSpelling> spellings)
{
    switch (key) {
    case TTypingKey::Enter:
    case TTypingKey::Space:
        if (!Typed.empty())
            return Finish(spellings);
        break;
    case TTypingKey::Backspace:
        if (!Typed.empty())
            Typed.pop_back();
        break;
    case TTypingKey::Escape: Typed.clear(); break;
    }
    return {TTyped::TKind::Editing, Typed};
}

TTyped TTypedReading::Finish(std::span<const TSpelling> spellings)
{
    TTyped typed{TTyped::TKind::NoReading, Typed};
    Typed.clear();
    if (const TSpelling* whole = WholeSpelling(typed.Letters, spellings)) {
        typed.Kind = TTyped::TKind::Read;
        typed.Face = whole->Face;
    }
    return typed;
}

std::string TypingTexts::NoReading(std::string_view letters)
{
    return std::string(letters) + ": no reading";
}

std::string TypingTexts::NoFreePair(std::string_view letters)
{
    return "no free pair: " + std::string(letters);
}
