#include "qt/common/KanaFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include "faces/FontBytes.h"

namespace {

QStringList KanaFamilies()
{
    static const QStringList families = QFontDatabase::applicationFontFamilies(
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(KanaFontBytes), static_cast<qsizetype>(KanaFontBytesSize))));
    return families;
}

}  // namespace

QFont TilesKanaFont(const QFont& font)
{
    QFont result = font;
    result.setFamilies(KanaFamilies());
    return result;
}

QFont WithTilesKana(const QFont& font)
{
    // Qt takes the first family of the list it has: one it only knows by a stand-in, as the
    // designed font is, would yield to the kana font for every letter.
    QFont result = font;
    result.setFamilies(QStringList{QFontInfo(font).family()} + KanaFamilies());
    return result;
}
