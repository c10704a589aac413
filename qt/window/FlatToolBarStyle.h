#pragma once

#include <QProxyStyle>

// The look of the cool bar's tool bars: no frame, margin, spacing or panel of their own, so that
// their buttons stand exactly where the band puts them. A proxy of the application's style rather
// than a style sheet, which would bring the much heavier style-sheet style to every bar and button.
class TFlatToolBarStyle : public QProxyStyle {
public:
    // Proxies a fresh instance of the application's style; owner releases it.
    explicit TFlatToolBarStyle(QObject* owner);

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
