#include "qt/dialogs/OptionsRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items, int columns, QRect geometry)
    : QGroupBox(caption, parent)
    , Buttons(new QButtonGroup(this))
{
    setGeometry(geometry);
    for (int i = 0; i < items.size(); ++i)
        Buttons->addButton(new QRadioButton(items[i], this), i);
    ArrangeButtons(columns);
    connect(Buttons, &QButtonGroup::idClicked, this, &TRadioGroup::Click);
}

int TRadioGroup::ItemIndex() const
{
    return Buttons->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* item = Buttons->button(index)) {
        item->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button.
    if (QAbstractButton* checked = Buttons->checkedButton()) {
        Buttons->setExclusive(false);
        checked->setChecked(false);
        Buttons->setExclusive(true);
    }
}

QRadioButton* TRadioGroup::Item(int index) const
{
    return static_cast<QRadioButton*>(Buttons->button(index));
}

int TRadioGroup::Count() const
{
    return static_cast<int>(Buttons->buttons().size());
}

// The items fill the columns top to bottom, evenly spread over the height below the caption.
void TRadioGroup::ArrangeButtons(int columns)
{
    const int count = Count();
    if (count == 0)
        return;
    const int textHeight = fontMetrics().height();
    const int perColumn = (count + columns - 1) / columns;
    const int buttonWidth = (width() - 10) / columns;
    const int freeHeight = height() - textHeight - 5;
    const int buttonHeight = freeHeight / perColumn;
    const int topMargin = textHeight + 1 + (freeHeight % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        Item(i)->setGeometry(i / perColumn * buttonWidth + 8, i % perColumn * buttonHeight + topMargin,
                             buttonWidth, buttonHeight);
}
