#pragma once

#include <QLabel>

// A file's place on one line: shortened in its middle where it runs past the label, and whole on
// hovering. Its text stays whole; only the painting shortens it.
class TPathLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
