#include "qt/dialogs/HelpUnit.h"

#include "app/InfoTexts.h"
#include "qt/common/Artwork.h"

#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

THelpForm* HelpForm = nullptr;

namespace {

constexpr int ListBorderWidth = 5;
constexpr qreal SmallestTextSize = 6.0;

bool TextFits(const QPlainTextEdit* box, const QFont& font)
{
    QTextDocument text;
    text.setDefaultFont(font);
    text.setDocumentMargin(box->document()->documentMargin());
    text.setPlainText(box->toPlainText());
    text.setTextWidth(box->contentsRect().width());
    return text.size().height() <= box->contentsRect().height();
}

// The box has no scroll bar, so all of the text must fit: where the system's stand-in for the
// dialog font runs wider than the font the lines were written for, the box takes a smaller size of
// it. Should even the smallest readable size not fit, a scroll bar keeps the rest reachable.
void FitTextToBox(QPlainTextEdit* box)
{
    QFont font = box->font();
    for (qreal size = font.pointSizeF(); size >= SmallestTextSize; size -= 0.5) {
        font.setPointSizeF(size);
        if (TextFits(box, font)) {
            box->setFont(font);
            return;
        }
    }
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

}  // namespace

THelpForm::THelpForm(QWidget* parent)
    : TTesuliDialog(parent, QStringLiteral("Tesuli Help"), QSize(678, 502))
{
    setObjectName(QStringLiteral("HelpForm"));
    HelpGroupBox = new QGroupBox(QStringLiteral("Tesuli Help"), this);
    HelpGroupBox->setObjectName(QStringLiteral("HelpGroupBox"));
    HelpGroupBox->setGeometry(8, 8, 665, 273);

    HelpMemo = new QPlainTextEdit(HelpGroupBox);
    HelpMemo->setGeometry(8, 15, 649, 250);
    HelpMemo->setObjectName(QStringLiteral("HelpMemo"));
    HelpMemo->setReadOnly(true);
    HelpMemo->setFocusPolicy(Qt::NoFocus);
    HelpMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HelpMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HelpMemo->setPlainText(QString::fromStdString(HelpText()));
    FitTextToBox(HelpMemo);

    Bevel1 = MakeBevel(this, QRect(8, 288, 665, 177));
    Bevel1->setObjectName(QStringLiteral("Bevel1"));

    MenuListView = new QListWidget(this);
    MenuListView->setGeometry(16, 296, 649, 161);
    MenuListView->setObjectName(QStringLiteral("MenuListView"));
    MenuListView->setViewMode(QListView::ListMode);
    MenuListView->setIconSize(QSize(16, 16));
    MenuListView->setFocusPolicy(Qt::NoFocus);
    MenuListView->setSelectionMode(QAbstractItemView::NoSelection);
    MenuListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MenuListView->setStyleSheet(QStringLiteral("QListWidget { padding: %1px; }").arg(ListBorderWidth));
    for (const THelpCommand& command : HelpCommands)
        new QListWidgetItem(CommandIcon(command.Icon), QString::fromUtf8(command.Caption), MenuListView);

    CloseBtn = MakeGlyphButton(this, QStringLiteral("Close"), TButtonGlyph::Tick, QRect(536, 472, 75, 25));
    CloseBtn->setDefault(true);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    connect(CloseBtn, &QPushButton::clicked, this, &THelpForm::CloseBtnClick);
    CloseBtn->setFocus();
}

void THelpForm::CloseBtnClick()
{
    hide();
}
