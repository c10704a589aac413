#include "qt/dialogs/KanaChartView.h"

#include <QPainter>

#include "qt/dialogs/ControlBuilders.h"

namespace {

QRect Rect(const TDesignRect& rect)
{
    return {rect.Left, rect.Top, rect.Width, rect.Height};
}

}  // namespace

void TKanaChartView::SetCells(const std::vector<TChartCellLook>& cells)
{
    Looks = cells;
    Pictures.clear();
    for (const TChartCellLook& cell : Looks)
        Pictures.push_back(cell.Picture.Cell.Width > 0 ? SheetCellPicture(cell.Picture) : QPixmap());
    update();
}

void TKanaChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (size_t at = 0; at < Looks.size(); ++at) {
        const TChartCellLook& cell = Looks[at];
        if (cell.Ground) {
            const QColor ground = QColor::fromRgb(cell.Colour);
            painter.fillRect(Rect(cell.Cell), ground);
            painter.setPen(ground.darker(140));
            painter.drawRect(Rect(cell.Cell).adjusted(0, 0, -1, -1));
        }
        if (!Pictures[at].isNull())
            painter.drawPixmap(Rect(cell.PictureAt), Pictures[at]);
        painter.setPen(palette().color(QPalette::WindowText));
        for (size_t line = 0; line < cell.Lines.size(); ++line)
            painter.drawText(Rect(cell.LineAt[line]), Qt::AlignCenter, QString::fromStdString(cell.Lines[line]));
    }
}
