#pragma once

#include <QPixmap>
#include <QWidget>

#include <vector>

#include "app/ProgressScreen.h"

// The progress chart: each kana's cell in the colour of its time, its picture from the face sheet
// and its texts centred below.
class TKanaChartView : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    void SetCells(const std::vector<TChartCellLook>& cells);
    const std::vector<TChartCellLook>& Cells() const { return Looks; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<TChartCellLook> Looks;
    std::vector<QPixmap> Pictures;
};
