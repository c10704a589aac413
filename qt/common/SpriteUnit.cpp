#include "qt/common/SpriteUnit.h"

#include <QFile>
#include <QResource>

#include <limits>
#include <stdexcept>

#include "app/ArtworkNames.h"
#include "qt/common/PngRowReader.h"

TImageForm* ImageForm = nullptr;

namespace {

[[noreturn]] void ReportUnreadable(const QString& path)
{
    throw std::runtime_error(UnreadableArtworkText(path.toStdString()));
}

std::unique_ptr<TPngRowReader> OpenSheet(const QString& path, int factor)
{
    auto sheet = std::make_unique<TPngRowReader>(QResource(path).uncompressedData(), factor);
    if (sheet->Failed())
        ReportUnreadable(path);
    return sheet;
}

// Decodes on until the sheet holds `rows` device rows, or all of them.
const QImage& DecodeRows(TPngRowReader& sheet, int rows, const QString& path)
{
    if (!sheet.DecodeRows(rows))
        ReportUnreadable(path);
    return sheet.Picture();
}

}  // namespace

TSpriteSheet::TSpriteSheet(const QString& name)
    : Paths{QStringLiteral(":/%1.png").arg(name), QStringLiteral(":/%1@2x.png").arg(name)}
{
    for (const QString& path : Paths)
        if (!QFile::exists(path))
            ReportUnreadable(path);
}

TSpriteSheet::~TSpriteSheet() = default;

const QImage& TSpriteSheet::Image(int scale) const
{
    return Rows(scale, std::numeric_limits<int>::max() / 2);
}

const QImage& TSpriteSheet::Rows(int scale, int bottom) const
{
    const size_t index = Index(scale);
    const int factor = static_cast<int>(index) + 1;
    std::unique_ptr<TPngRowReader>& sheet = Sheets[index];
    if (!sheet)
        sheet = OpenSheet(Paths[index], factor);
    return DecodeRows(*sheet, bottom * factor, Paths[index]);
}

QImage TSpriteSheet::Copy(const QRect& logical, int scale) const
{
    const size_t index = Index(scale);
    const int factor = static_cast<int>(index) + 1;
    const QRect device(logical.topLeft() * factor, logical.size() * factor);
    if (Sheets[index] && Sheets[index]->DecodedRows() > device.bottom())
        return Sheets[index]->Picture().copy(device);
    const std::unique_ptr<TPngRowReader> passing = OpenSheet(Paths[index], factor);
    return DecodeRows(*passing, device.bottom() + 1, Paths[index]).copy(device);
}

TImageForm::TImageForm(QWidget* parent)
    : QWidget(parent)
    , FaceImage(QString::fromLatin1(SheetName(TSheet::FaceImage)))
    , BackgroundImage(QString::fromLatin1(SheetName(TSheet::BackgroundImage)))
    , FaceImage_2(QString::fromLatin1(SheetName(TSheet::FaceImage_2)))
{
}

const TSpriteSheet& TImageForm::Sheet(TSheet sheet) const
{
    switch (sheet) {
    case TSheet::FaceImage: return FaceImage;
    case TSheet::FaceImage_2: return FaceImage_2;
    case TSheet::BackgroundImage: return BackgroundImage;
    }
    return FaceImage;
}
