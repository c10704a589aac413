#include "dialogs/HelpUnit.h"

#include "ui/Artwork.h"

#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextDocument>

THelpForm* HelpForm = nullptr;

namespace {

// The lines that end in a space continue in the next one; the box wraps them together.
const QStringList HelpLines = {
    QStringLiteral("'Tesuli' is a simple game designed to allow for rapid learning of the most basic of Japanese symbol sets."),
    QString(),
    QStringLiteral("Hiragana consists of well over forty characters, which correspond to Latin vowels and syllabi. The game is designed to allow for learning "),
    QStringLiteral("of the sounding of the Hiragana symbols. These are indicated to the player and the recognition of the symbols is learned through the "),
    QStringLiteral("method of searching for the similarities of tiles used."),
    QString(),
    QStringLiteral("THE GAME RULES"),
    QString(),
    QStringLiteral("At the beginning of each game a player is presented with a collection of 184 tiles. These are arranged in some complex pattern. The "),
    QStringLiteral("player is requested to identify pairs of identical tiles, which are not blocked from right or left by any other tiles. Then, such free tiles may "),
    QStringLiteral("be clicked with the mouse one after the other and in this way removed from the board. In order for a tile to be available for removal it has "),
    QStringLiteral("to have an unblocked edge (either right or left). Otherwise it may be positioned anywhere on the board."),
    QString(),
    QStringLiteral("The objective of the game is to remove all of the tiles in the shortest possible time."),
    QString(),
    QStringLiteral("The time taken to successfully complete a game is noted in the 'scores' table so that the player may compare the current result with the "),
    QStringLiteral("one obtained by other players if desired."),
};

struct TCommandEntry {
    const char* Caption;
    TCommandIcon Icon;
};

// The spaces line the hyphens up in the dialog's font; they are part of the captions.
const TCommandEntry CommandEntries[] = {
    {"   New Game    -  Start a new game", TCommandIcon::NewGame},
    {"   View Scores  -  The last 31 completed games are listed by the date", TCommandIcon::Scores},
    {"   Hint               -  A suggestion of a move with a ten seconds penalty applied", TCommandIcon::Hint},
    {"   Shuffle          -  Rearrange randomly the tiles", TCommandIcon::Shuffle},
    {"   Undo            -   92 levels of undo. Shuffling makes the undo start from 0", TCommandIcon::Undo},
    {"   Options         -  Choose options. Changing the map restarts the game", TCommandIcon::Options},
    {"   Help             -  Displays this window", TCommandIcon::Help},
    {"   About           -  Displays a short note about the authors of the program", TCommandIcon::About},
};

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
    HelpMemo->setPlainText(HelpLines.join(QLatin1Char('\n')));
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
    for (const TCommandEntry& entry : CommandEntries)
        new QListWidgetItem(CommandIcon(entry.Icon), QString::fromLatin1(entry.Caption), MenuListView);

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
