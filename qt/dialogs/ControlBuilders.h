#pragma once

#include <QPixmap>

#include <vector>

#include "app/Screen.h"
#include "app/ScoresList.h"

class QTreeWidget;
class QWidget;
class TGameDialog;

// Makes the widget of a screen's row in its parent, named as the row, and sends its clicks to the
// dialog; one builder per kind of control.
QWidget* BuildControl(TGameDialog& dialog, QWidget* parent, const TControl& row);

// A preview's picture, from the double-size sheet where pixels are dense.
QPixmap SheetCellPicture(const TSheetCell& cell);

void ShowScoreRows(QTreeWidget* list, const std::vector<TScoreRow>& rows);
