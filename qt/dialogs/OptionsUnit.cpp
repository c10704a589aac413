#include "qt/dialogs/OptionsUnit.h"

#include "qt/dialogs/OptionsPreview.h"
#include "qt/dialogs/OptionsRadioGroup.h"
#include "model/MapUnit.h"
#include "qt/common/Application.h"
#include "qt/common/Artwork.h"
#include "qt/common/SpriteUnit.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

TOptionsForm* OptionsForm = nullptr;

namespace {

constexpr int ClientBorder = 3;
const QSize ClientSize(317, 297);

const QSize FaceCell(40, 56);
const QSize TextureCell(32, 32);

// A sharp copy for the screen: from the double-size sheet where pixels are dense.
int SheetScale()
{
    return qApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

QPixmap CopyCell(const QImage& sheet, QPoint origin, QSize cell, int scale)
{
    QPixmap picture = QPixmap::fromImage(sheet.copy(QRect(origin * scale, cell * scale)));
    picture.setDevicePixelRatio(scale);
    return picture;
}

QStringList MapNames()
{
    QStringList names;
    for (int number = 1; number <= MapCount; ++number)
        names << QString::fromStdString(MapName(static_cast<uint8_t>(number)));
    return names;
}

// Names for finding the controls from outside, e.g. by an automated player: TileFacePanel1,
// TileFaceImage1, BgdPanel1, BgdImage1 ...
void NamePreview(TPreviewPanel* panel, const QString& role, int number)
{
    panel->setObjectName(role + QStringLiteral("Panel") + QString::number(number));
    panel->Image()->setObjectName(role + QStringLiteral("Image") + QString::number(number));
}

// The items are named after their captions: MapFlatSquare, HintShort ...
void NameItems(TRadioGroup* group, const QString& name, const QString& itemPrefix)
{
    group->setObjectName(name);
    for (int i = 0; i < group->Count(); ++i) {
        QRadioButton* item = group->Item(i);
        const QStringList words = item->text().split(QLatin1Char(' '));
        QString itemName = itemPrefix;
        for (const QString& word : words)
            itemName += word.left(1).toUpper() + word.mid(1);
        item->setObjectName(itemName);
    }
}

}  // namespace

TOptionsForm::TOptionsForm(QWidget* parent)
    : TTesuliDialog(parent, QStringLiteral("Tesuli Options"), ClientSize + QSize(2 * ClientBorder, 2 * ClientBorder))
{
    setObjectName(QStringLiteral("OptionsForm"));
    ClientArea = new QWidget(this);
    ClientArea->setGeometry(QRect(QPoint(ClientBorder, ClientBorder), ClientSize));

    CentralBevel = MakeBevel(ClientArea, QRect(0, 0, 313, 265));
    CentralBevel->setObjectName(QStringLiteral("CentralBevel"));

    const int scale = SheetScale();

    FaceGroupBox = new QGroupBox(QStringLiteral("Tile Face"), ClientArea);
    FaceGroupBox->setGeometry(8, 8, 81, 193);
    FaceGroupBox->setObjectName(QStringLiteral("FaceGroupBox"));
    const QImage* faceSheets[] = {&ImageForm->FaceImage.Image(scale), &ImageForm->FaceImage_2.Image(scale)};
    for (uint8_t style = 0; style < TileFacePanel.size(); ++style) {
        TileFacePanel[style] = new TPreviewPanel(FaceGroupBox, QPoint(16, 24 + 88 * style),
                                                 CopyCell(*faceSheets[style], QPoint(0, 0), FaceCell, scale));
        NamePreview(TileFacePanel[style], QStringLiteral("TileFace"), style + 1);
        connect(TileFacePanel[style]->Image(), &TPreviewImage::Click, this,
                [this, style] { TileFaceImageClick(style); });
    }

    BackgroundGroupBox = new QGroupBox(QStringLiteral("Game Background"), ClientArea);
    BackgroundGroupBox->setGeometry(96, 8, 105, 193);
    BackgroundGroupBox->setObjectName(QStringLiteral("BackgroundGroupBox"));
    const QImage& textures = ImageForm->BackgroundImage.Image(scale);
    for (uint8_t index = 0; index < BgdPanel.size(); ++index) {
        const QPoint position(8 + 48 * (index / 3), 24 + 56 * (index % 3));
        BgdPanel[index] = new TPreviewPanel(BackgroundGroupBox, position,
                                            CopyCell(textures, QPoint(32 * index, 0), TextureCell, scale));
        NamePreview(BgdPanel[index], QStringLiteral("Bgd"), index + 1);
        connect(BgdPanel[index]->Image(), &TPreviewImage::Click, this, [this, index] { BgdImageClick(index); });
    }

    AcceptBitBtn = MakeGlyphButton(ClientArea, QStringLiteral("Accept"), TButtonGlyph::Tick, QRect(8, 272, 75, 25));
    AcceptBitBtn->setDefault(true);
    AcceptBitBtn->setObjectName(QStringLiteral("AcceptBitBtn"));
    connect(AcceptBitBtn, &QPushButton::clicked, this, [this] { RunGuarded([this] { AcceptBitBtnClick(); }); });

    CancelBitBtn = MakeGlyphButton(ClientArea, QStringLiteral("Cancel"), TButtonGlyph::Cross, QRect(224, 272, 75, 25));
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));
    connect(CancelBitBtn, &QPushButton::clicked, this, &TOptionsForm::CancelBitBtnClick);

    MapRadioGroup = new TRadioGroup(ClientArea, QStringLiteral("Map Selection"), MapNames(), 1, QRect(208, 8, 97, 193));
    NameItems(MapRadioGroup, QStringLiteral("MapRadioGroup"), QStringLiteral("Map"));
    connect(MapRadioGroup, &TRadioGroup::Click, this, &TOptionsForm::MapRadioGroupClick);

    HintRadioGroup = new TRadioGroup(ClientArea, QStringLiteral("Hint Display Duration"),
                                     {QStringLiteral("short"), QStringLiteral("medium"), QStringLiteral("long")}, 3,
                                     QRect(8, 208, 297, 49));
    NameItems(HintRadioGroup, QStringLiteral("HintRadioGroup"), QStringLiteral("Hint"));
    connect(HintRadioGroup, &TRadioGroup::Click, this, &TOptionsForm::HintRadioGroupClick);

    AcceptBitBtn->setFocus();
}

// A failing read is reported, and the dialog still opens, showing what could be read.
void TOptionsForm::FormShow()
{
    RunGuarded([this] {
        TRegOptions options;
        Flow.FormShow(options);
    });
    ShowSettings();
}

void TOptionsForm::ShowSettings()
{
    HighlightFace();
    HighlightBackground();
    MapRadioGroup->SetItemIndex(Flow.Choices.MapId);
    HintRadioGroup->SetItemIndex(Flow.Choices.HintSpeed);
}

void TOptionsForm::HighlightFace()
{
    for (size_t style = 0; style < TileFacePanel.size(); ++style)
        TileFacePanel[style]->SetChosen(Flow.Choices.FaceStyle == style);
}

void TOptionsForm::HighlightBackground()
{
    for (size_t index = 0; index < BgdPanel.size(); ++index)
        BgdPanel[index]->SetChosen(Flow.Choices.BackgroundIndex == index);
}

void TOptionsForm::TileFaceImageClick(uint8_t faceStyle)
{
    Flow.Choices.FaceStyle = faceStyle;
    HighlightFace();
}

void TOptionsForm::BgdImageClick(uint8_t backgroundIndex)
{
    Flow.Choices.BackgroundIndex = backgroundIndex;
    HighlightBackground();
}

void TOptionsForm::MapRadioGroupClick()
{
    Flow.Choices.MapId = static_cast<uint8_t>(MapRadioGroup->ItemIndex());
}

void TOptionsForm::HintRadioGroupClick()
{
    Flow.Choices.HintSpeed = static_cast<uint8_t>(HintRadioGroup->ItemIndex());
}

void TOptionsForm::AcceptBitBtnClick()
{
    TRegOptions options;
    Flow.Accept(options);
    hide();
}

void TOptionsForm::CancelBitBtnClick()
{
    Flow.Cancel();
    hide();
}

void TOptionsForm::reject()
{
    CancelBitBtnClick();
}
