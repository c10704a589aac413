#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons laid out in columns. Unlike plain radio buttons it can show no
// item checked, so that a value none of its items stands for is not shown as some other value.
class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items, int columns, QRect geometry);

    // The checked item, or -1 when none is.
    int ItemIndex() const;
    // An index outside the items leaves none checked.
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;
    int Count() const;

signals:
    // The player checked an item.
    void Click();

private:
    void ArrangeButtons(int columns);

    QButtonGroup* Buttons;
};
