#include "qt/window/FlatToolBarStyle.h"

#include <QApplication>
#include <QStyleFactory>

TFlatToolBarStyle::TFlatToolBarStyle(QObject* owner)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(owner);
}

int TFlatToolBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_ToolBarFrameWidth:
    case PM_ToolBarItemMargin:
    case PM_ToolBarItemSpacing:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void TFlatToolBarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (element != CE_ToolBar)
        QProxyStyle::drawControl(element, option, painter, widget);
}
