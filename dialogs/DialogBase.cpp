#include "dialogs/DialogBase.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

TTesuliDialog::TTesuliDialog(QWidget* parent, const QString& caption, QSize clientSize)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    setModal(false);
    setFixedSize(clientSize);
}

void TTesuliDialog::ShowDialog()
{
    if (!isVisible()) {
        FormShow();
        if (!ShownBefore) {
            ShownBefore = true;
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
        }
        show();
    }
    raise();
    activateWindow();
}
