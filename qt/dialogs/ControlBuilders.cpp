#include "qt/dialogs/ControlBuilders.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTreeWidget>

#include <algorithm>
#include <stdexcept>

#include "app/InfoTexts.h"
#include "qt/common/Artwork.h"
#include "qt/common/SpriteUnit.h"
#include "qt/dialogs/GameDialog.h"
#include "qt/common/KanaFont.h"
#include "qt/dialogs/KanaChartView.h"
#include "qt/dialogs/PathLabel.h"
#include "qt/dialogs/PreviewPanel.h"

namespace {

constexpr int CommandListBorder = 5;
constexpr qreal KanaInTextScale = 1.35;
constexpr int GlyphSide = 16;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

Qt::Alignment AlignmentOf(TColumnAlignment alignment)
{
    switch (alignment) {
    case TColumnAlignment::Left: return Qt::AlignLeft;
    case TColumnAlignment::Center: return Qt::AlignHCenter;
    case TColumnAlignment::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QRect Place(const TControl& row)
{
    return {row.Rect.Left, row.Rect.Top, row.Rect.Width, row.Rect.Height};
}

template <typename Widget>
Widget* Placed(Widget* widget, const TControl& row)
{
    widget->setGeometry(Place(row));
    return widget;
}

QWidget* MakeBevel(TGameDialog&, QWidget* parent, const TControl& row)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return Placed(bevel, row);
}

QWidget* MakeGroupBox(TGameDialog&, QWidget* parent, const TControl& row)
{
    return Placed(new QGroupBox(Text(row.Caption), parent), row);
}

// One line; it grows to the right where the system font is wider than the place given, so that no
// text is cut off. Without a width of its own it is as wide as its text.
QWidget* MakeLabel(TGameDialog&, QWidget* parent, const TControl& row)
{
    auto* label = new QLabel(Text(row.Caption), parent);
    label->setToolTip(Text(row.Tooltip));
    if (row.Rect.Width == 0) {
        label->move(row.Rect.Left, row.Rect.Top);
        label->adjustSize();
        return label;
    }
    const QSize needed = label->sizeHint();
    label->setGeometry(row.Rect.Left, row.Rect.Top, std::max(row.Rect.Width, needed.width()),
                       std::max(row.Rect.Height, needed.height()));
    return label;
}

QWidget* MakePathLabel(TGameDialog&, QWidget* parent, const TControl& row)
{
    auto* label = new TPathLabel(Text(row.Caption), parent);
    label->setGeometry(row.Rect.Left, row.Rect.Top, row.Rect.Width, std::max(row.Rect.Height, label->sizeHint().height()));
    return label;
}

QWidget* MakeButton(TGameDialog& dialog, QWidget* parent, const TControl& row)
{
    auto* button = new QPushButton(Text(row.Caption), parent);
    if (row.Glyph != TButtonGlyph::None) {
        button->setIcon(ButtonGlyph(row.Glyph));
        button->setIconSize(QSize(GlyphSide, GlyphSide));
    }
    button->setDefault(row.IsDefault);
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, name = row.Name] { dialog.Click(name, -1); });
    return Placed(button, row);
}

QWidget* MakeEdit(TGameDialog&, QWidget* parent, const TControl& row)
{
    return Placed(new QLineEdit(Text(row.Caption), parent), row);
}

// The items fill the columns top to bottom, evenly spread over the height below the caption. The
// group can show no item checked, so that a value none of its items stands for is not shown as some
// other value.
// Tab into a radio group lands on its checked item, as arrows and clicks leave the player there.
class TCheckedItemFocus final : public QObject {
public:
    TCheckedItemFocus(QButtonGroup* buttons) : QObject(buttons), Buttons(buttons) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            QAbstractButton* checked = Buttons->checkedButton();
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && checked && checked != watched) {
                checked->setFocus(reason);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QButtonGroup* Buttons;
};

QWidget* MakeRadioGroup(TGameDialog& dialog, QWidget* parent, const TControl& row)
{
    auto* group = Placed(new QGroupBox(Text(row.Caption), parent), row);
    auto* buttons = new QButtonGroup(group);
    const int count = static_cast<int>(row.Items.size());
    for (int i = 0; i < count; ++i) {
        const std::string& caption = row.Items[static_cast<size_t>(i)];
        auto* item = new QRadioButton(Text(caption), group);
        item->setObjectName(Text(RadioItemName(row.ItemPrefix, caption)));
        buttons->addButton(item, i);
    }
    auto* focus = new TCheckedItemFocus(buttons);
    for (QAbstractButton* item : buttons->buttons())
        item->installEventFilter(focus);
    for (int i = 0; i < count; ++i) {
        // Below the frame's top line, wherever the style draws it under the title.
        const TDesignRect place = RadioItemPlace(row, i, group->contentsRect().top());
        buttons->button(i)->setGeometry(place.Left, place.Top, place.Width, place.Height);
    }
    QObject::connect(buttons, &QButtonGroup::idClicked, &dialog,
                     [&dialog, name = row.Name](int item) { dialog.Click(name, item); });
    return group;
}

// Like a label, it grows to the right where the system font runs wider.
QWidget* MakeCheckBox(TGameDialog& dialog, QWidget* parent, const TControl& row)
{
    auto* box = new QCheckBox(Text(row.Caption), parent);
    const QSize needed = box->sizeHint();
    box->setGeometry(row.Rect.Left, row.Rect.Top, std::max(row.Rect.Width, needed.width()),
                     std::max(row.Rect.Height, needed.height()));
    QObject::connect(box, &QCheckBox::clicked, &dialog,
                     [&dialog, name = row.Name](bool checked) { dialog.Click(name, checked ? 1 : 0); });
    return box;
}

QWidget* MakePreview(TGameDialog& dialog, QWidget* parent, const TControl& row)
{
    auto* panel = new TPreviewPanel(parent, QPoint(row.Rect.Left, row.Rect.Top), SheetCellPicture(row.Picture));
    panel->Image()->setObjectName(Text(PreviewImageName(row.Name)));
    QObject::connect(panel->Image(), &TPreviewImage::Click, &dialog, [&dialog, name = row.Name] { dialog.Click(name, -1); });
    QObject::connect(panel->Image(), &TPreviewImage::Step, &dialog,
                     [&dialog, name = row.Name](TArrow arrow) { dialog.StepPreview(name, arrow); });
    return panel;
}

QWidget* MakeProgramIcon(TGameDialog&, QWidget* parent, const TControl& row)
{
    auto* icon = Placed(new QLabel(parent), row);
    icon->setPixmap(ProgramIcon().pixmap(icon->size(), parent->devicePixelRatio()));
    return icon;
}

QWidget* MakeScoreList(TGameDialog&, QWidget* parent, const TControl& row)
{
    auto* list = Placed(new QTreeWidget(parent), row);
    list->setRootIsDecorated(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setFocusPolicy(row.TabStop ? Qt::StrongFocus : Qt::ClickFocus);  // reached with Tab, to scroll with the keys
    list->setColumnCount(ScoreColumnCount);
    QTreeWidgetItem* header = list->headerItem();
    for (int column = 0; column < ScoreColumnCount; ++column) {
        const TScoreColumn& shown = ScoreColumns[static_cast<size_t>(column)];
        header->setText(column, QString::fromLatin1(shown.Caption));
        header->setTextAlignment(column, AlignmentOf(shown.Alignment) | Qt::AlignVCenter);
        list->setColumnWidth(column, shown.Width);
    }
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    return list;
}

bool IsKana(QChar c)
{
    return c.unicode() >= 0x3040 && c.unicode() <= 0x30ff;
}

// Kana in running text stand larger than the letters around them, in the tiles' own face, which
// draws them finer than a text face would; every line is as high as one holding kana, so that the
// lines stay evenly spaced.
void SetKanaLarger(QTextEdit* memo)
{
    QTextCharFormat kana;
    QFont kanaFont = TilesKanaFont(memo->font());
    kanaFont.setPixelSize(qRound(QFontInfo(memo->font()).pixelSize() * KanaInTextScale));
    // The face's strokes are thin for a text's size; drawn heavier, they read as the letters do.
    kanaFont.setWeight(QFont::Bold);
    kana.setFont(kanaFont);
    QTextDocument* text = memo->document();
    const QString plain = text->toPlainText();
    for (qsizetype at = 0; at < plain.size();) {
        if (!IsKana(plain[at])) {
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < plain.size() && IsKana(plain[end]))
            ++end;
        QTextCursor run(text);
        run.setPosition(static_cast<int>(at));
        run.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
        run.mergeCharFormat(kana);
        at = end;
    }
    QTextBlockFormat evenly;
    // The kana face's own line spacing is far wider than its ink needs.
    const QFontMetricsF letters(memo->font()), kanaInk(kanaFont);
    evenly.setLineHeight(std::max(letters.lineSpacing(), kanaInk.tightBoundingRect(QStringLiteral("ぱゐ")).height() +
                                                             letters.descent() + 2),
                         QTextBlockFormat::FixedHeight);
    QTextCursor all(text);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(evenly);
}

// Read-only text in the dialog's font, scrolled by its bar or, once reached by Tab, by the keys.
QWidget* MakeMemo(TGameDialog&, QWidget* parent, const TControl& row)
{
    auto* memo = Placed(new QTextEdit(parent), row);
    memo->setReadOnly(true);
    memo->setAcceptRichText(false);
    memo->setFocusPolicy(row.TabStop ? Qt::StrongFocus : Qt::NoFocus);
    memo->setLineWrapMode(QTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setPlainText(Text(row.Caption));
    SetKanaLarger(memo);
    return memo;
}

QWidget* MakeCommandList(TGameDialog&, QWidget* parent, const TControl& row)
{
    auto* list = Placed(new QTreeWidget(parent), row);
    list->setColumnCount(2);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setIndentation(0);
    list->setIconSize(QSize(GlyphSide, GlyphSide));
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setStyleSheet(QStringLiteral("QTreeWidget { padding: %1px; }").arg(CommandListBorder));
    for (const THelpCommand& command : HelpCommands) {
        auto* item = new QTreeWidgetItem(list, {QString::fromUtf8(command.Name), QString::fromUtf8(command.Description)});
        item->setIcon(0, CommandIcon(command.Command));
    }
    // The descriptions start together, a little after the longest name.
    list->resizeColumnToContents(0);
    list->setColumnWidth(0, list->columnWidth(0) + list->fontMetrics().horizontalAdvance(QStringLiteral("  ")));
    return list;
}

QWidget* MakeKanaChart(TGameDialog&, QWidget* parent, const TControl& row)
{
    return Placed(new TKanaChartView(parent), row);
}

}  // namespace

QWidget* BuildControl(TGameDialog& dialog, QWidget* parent, const TControl& row)
{
    using enum TControlKind;
    using TBuilder = QWidget* (*)(TGameDialog&, QWidget*, const TControl&);
    TBuilder build = nullptr;
    switch (row.Kind) {
    case Bevel: build = MakeBevel; break;
    case GroupBox: build = MakeGroupBox; break;
    case Label: build = MakeLabel; break;
    case PathLabel: build = MakePathLabel; break;
    case Button: build = MakeButton; break;
    case Edit: build = MakeEdit; break;
    case RadioGroup: build = MakeRadioGroup; break;
    case Preview: build = MakePreview; break;
    case ProgramIcon: build = MakeProgramIcon; break;
    case ScoreList: build = MakeScoreList; break;
    case Memo: build = MakeMemo; break;
    case CommandList: build = MakeCommandList; break;
    case KanaChart: build = MakeKanaChart; break;
    case CheckBox: build = MakeCheckBox; break;
    }
    if (!build)
        throw std::logic_error("no builder for " + row.Name);
    QWidget* control = build(dialog, parent, row);
    control->setObjectName(Text(row.Name));
    return control;
}

QPixmap SheetCellPicture(const TSheetCell& cell)
{
    const qreal ratio = qApp->devicePixelRatio();
    if (cell.Sheet == TSheet::TileFace) {
        // Every face at its device pixels, placed in device pixels so none is resampled.
        QImage faces(qRound(cell.Cell.Width * ratio), qRound(cell.Cell.Height * ratio), QImage::Format_ARGB32_Premultiplied);
        faces.fill(Qt::transparent);
        QPainter painter(&faces);
        for (size_t n = 0; n <= cell.Partners.size(); ++n) {
            QImage face = TileFaceImage(n == 0 ? cell.Face : cell.Partners[n - 1], ratio);
            face.setDevicePixelRatio(1);
            painter.drawImage(qRound(static_cast<int>(n) * PartnerStep * ratio), 0, face);
        }
        painter.end();
        faces.setDevicePixelRatio(ratio);
        return QPixmap::fromImage(faces);
    }
    const QRect logical(cell.Cell.Left, cell.Cell.Top, cell.Cell.Width, cell.Cell.Height);
    return QPixmap::fromImage(ImageForm->BackgroundImage.Copy(logical, ratio));
}

void ShowScoreRows(QTreeWidget* list, const std::vector<TScoreRow>& rows)
{
    list->clear();
    for (const TScoreRow& row : rows) {
        auto* item = new QTreeWidgetItem(list);
        for (int column = 0; column < ScoreColumnCount; ++column) {
            const size_t at = static_cast<size_t>(column);
            item->setText(column, QString::fromStdString(row[at]));
            item->setTextAlignment(column, AlignmentOf(ScoreColumns[at].Alignment) | Qt::AlignVCenter);
            // The whole text where the column cuts it short, as a long map with its modes.
            item->setToolTip(column, item->text(column));
        }
    }
    // The map column shows a map with its learning modes whole, the list scrolling sideways.
    constexpr int mapColumn = ScoreColumnCount - 1;
    list->resizeColumnToContents(mapColumn);
    list->setColumnWidth(mapColumn, std::max(list->columnWidth(mapColumn), ScoreColumns[mapColumn].Width));
}
