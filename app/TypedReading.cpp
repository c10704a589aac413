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

std::optional<uint8_t> FaceOfReading(const std::array<TKanaId, FaceCount>& faceKana, std::string_view reading)
{
    for (size_t face = 0; face < faceKana.size(); ++face)
        if (faceKana[face] < CatalogueSize && KanaCatalogue[faceKana[face]].Reading == reading)
            return static_cast<uint8_t>(face);
    return std::nullopt;
}

}  // namespace

std::vector<TSpelling> FaceSpellings(const std::array<TKanaId, FaceCount>& faceKana)
{
    std::vector<TSpelling> spellings;
    const auto add = [&](std::string_view reading, size_t face) {
        for (std::string& letters : Spellings(reading))
            spellings.push_back({std::move(letters), static_cast<uint8_t>(face)});
    };
    for (size_t face = 0; face < faceKana.size(); ++face) {
        if (faceKana[face] >= CatalogueSize)
            continue;
        const std::string_view reading = KanaCatalogue[faceKana[face]].Reading;
        add(reading, face);
        const std::string_view alike = SoundAlikeReading(reading);
        if (!alike.empty() && !FaceOfReading(faceKana, alike))
            add(alike, face);
    }
    return spellings;
}

std::optional<uint8_t> SoundAlikeFace(const std::array<TKanaId, FaceCount>& faceKana, uint8_t face)
{
    if (face >= faceKana.size() || faceKana[face] >= CatalogueSize)
        return std::nullopt;
    const std::string_view reading = KanaCatalogue[faceKana[face]].Reading;
    for (size_t other = 0; other < faceKana.size(); ++other)
        if (faceKana[other] < CatalogueSize && SoundAlikeReading(KanaCatalogue[faceKana[other]].Reading) == reading)
            return static_cast<uint8_t>(other);
    return std::nullopt;
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
