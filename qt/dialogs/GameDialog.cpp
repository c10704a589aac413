#include "qt/dialogs/GameDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QStandardPaths>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>
#include <stdexcept>

#include "app/DialogPlacement.h"
#include "qt/common/Application.h"
#include "qt/common/Artwork.h"
#include "qt/common/KanaFont.h"
#include "qt/common/MessageBox.h"
#include "qt/dialogs/BrowserStart.h"
#include "qt/dialogs/ControlBuilders.h"
#include "qt/dialogs/KanaChartView.h"
#include "qt/dialogs/PreviewPanel.h"
#include "qt/dialogs/SaveFileDialog.h"

namespace {

constexpr int LabelMarginInFrame = 8;  // between a label's end and the frame's right edge

QString Name(std::string_view name)
{
    return QString::fromUtf8(name);
}

template <typename Widget>
Widget* As(QWidget* control)
{
    if (auto* widget = qobject_cast<Widget*>(control))
        return widget;
    throw std::logic_error(control->objectName().toStdString() + " is not that kind of control");
}

QRect InWindow(const QWidget* control, const QWidget* window)
{
    return {control->mapTo(window, QPoint(0, 0)), control->size()};
}

}  // namespace

TGameDialog::TGameDialog(QWidget* parent, TDialogLogic& logic)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , Logic(logic)
{
    const TScreen& screen = Logic.Screen();
    setObjectName(Name(screen.Name));
    setWindowTitle(QString::fromStdString(screen.Caption));
    setFont(WithTilesKana(font()));
    setModal(false);
    Scroller = new QScrollArea(this);
    Scroller->setObjectName("DialogScroller");
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setFocusPolicy(Qt::NoFocus);
    Content = new QWidget;
    Content->setFixedSize(screen.ClientWidth, screen.ClientHeight);
    Scroller->setWidget(Content);
    if (screen.ProgramIconInTitle)
        setWindowIcon(ProgramIcon());
    for (const TControl& row : screen.Controls) {
        QWidget* control = BuildControl(*this, row.Parent.empty() ? Content : Control(row.Parent), row);
        if (row.FirstFocus)
            control->setFocus();
    }
    FitToLabels();
    setFixedSize(Content->size());
    Scroller->resize(Content->size());
    // Where the dialog is cut, the control the keyboard goes to comes into sight, by Tab or arrow.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && Content->isAncestorOf(now))
            Scroller->ensureWidgetVisible(now);
    });
}

// Where the system font is wider than the one the dialog was laid out for, a label may run past the
// frame it stands in: the dialog grows so that it stays inside, the frame and its text boxes widen
// with it, and the buttons keep their places relative to the middle.
void TGameDialog::FitToLabels()
{
    const TScreen& screen = Logic.Screen();
    const auto kindOf = [&](TControlKind kind) {
        std::vector<QWidget*> controls;
        for (const TControl& row : screen.Controls)
            if (row.Kind == kind)
                controls.push_back(Control(row.Name));
        return controls;
    };
    for (QWidget* bevel : kindOf(TControlKind::Bevel)) {
        const QRect frame = InWindow(bevel, Content);
        int extra = 0;
        std::vector<QWidget*> texts = kindOf(TControlKind::Label);
        for (QWidget* box : kindOf(TControlKind::CheckBox))
            texts.push_back(box);
        for (QWidget* label : texts)
            if (const QRect text = InWindow(label, Content); frame.contains(text.topLeft()))
                extra = std::max(extra, text.right() + LabelMarginInFrame - frame.right());
        if (extra == 0)
            continue;
        Content->setFixedSize(Content->width() + extra, Content->height());
        bevel->resize(bevel->width() + extra, bevel->height());
        for (QWidget* edit : kindOf(TControlKind::Edit))
            if (frame.contains(InWindow(edit, Content).topLeft()))
                edit->resize(edit->width() + extra, edit->height());
        for (QWidget* button : kindOf(TControlKind::Button))
            button->move(button->x() + extra / 2, button->y());
    }
}

QWidget* TGameDialog::Control(std::string_view name) const
{
    if (auto* control = findChild<QWidget*>(Name(name)))
        return control;
    throw std::logic_error(NoControlText(objectName().toStdString(), name));
}

void TGameDialog::Click(std::string_view control, int item)
{
    RunGuarded([&] { Logic.Click(*this, control, item); });
}

void TGameDialog::StepPreview(std::string_view preview, TArrow arrow)
{
    const std::string& next = Logic.Screen().StepInGroup(preview, arrow).Name;
    As<TPreviewPanel>(Control(next))->Image()->setFocus(Qt::TabFocusReason);
    Click(next, -1);
}

int TGameDialog::ItemIndex(std::string_view radioGroup) const
{
    if (const auto* box = qobject_cast<const QCheckBox*>(Control(radioGroup)))
        return box->isChecked() ? 1 : 0;
    return Control(radioGroup)->findChild<QButtonGroup*>()->checkedId();
}

void TGameDialog::SetItemIndex(std::string_view radioGroup, int index)
{
    if (auto* box = qobject_cast<QCheckBox*>(Control(radioGroup))) {
        box->setChecked(index == 1);
        return;
    }
    QButtonGroup* items = Control(radioGroup)->findChild<QButtonGroup*>();
    if (QAbstractButton* item = items->button(index)) {
        item->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button.
    if (QAbstractButton* checked = items->checkedButton()) {
        items->setExclusive(false);
        checked->setChecked(false);
        items->setExclusive(true);
    }
}

void TGameDialog::SetChosen(std::string_view preview, bool chosen)
{
    As<TPreviewPanel>(Control(preview))->SetChosen(chosen);
}

void TGameDialog::SetPicture(std::string_view preview, const TSheetCell& picture)
{
    As<TPreviewPanel>(Control(preview))->SetPicture(SheetCellPicture(picture));
}

std::string TGameDialog::Text(std::string_view control) const
{
    QWidget* widget = Control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text().toStdString();
    return As<QLabel>(widget)->text().toStdString();
}

void TGameDialog::SetText(std::string_view control, const std::string& text)
{
    QWidget* widget = Control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(QString::fromStdString(text));
    else
        As<QLabel>(widget)->setText(QString::fromStdString(text));
}

void TGameDialog::SetRows(std::string_view scoreList, const std::vector<TScoreRow>& rows)
{
    ShowScoreRows(As<QTreeWidget>(Control(scoreList)), rows);
}

void TGameDialog::SetChart(std::string_view kanaChart, const std::vector<TChartCellLook>& cells)
{
    As<TKanaChartView>(Control(kanaChart))->SetCells(cells);
}

void TGameDialog::SetFocus(std::string_view control)
{
    Control(control)->setFocus();
}

void TGameDialog::Hide()
{
    // A message box just closed over the dialog may have left no window active yet.
    const QWidget* active = QApplication::activeWindow();
    const bool hadTheKeyboard = active == nullptr || active == this || !active->isVisible();
    hide();
    // The keyboard goes back to the main window, for its keys, also where no window manager
    // hands it on.
    if (hadTheKeyboard && parentWidget())
        parentWidget()->activateWindow();
}

void TGameDialog::ShowMessage(TMessageKind kind, const std::string& text)
{
    ::ShowMessage(this, kind, text);
}

bool TGameDialog::Confirm(const std::string& question)
{
    return AskQuestion(this, question);
}

std::optional<TDialogView::TSaveChoice> TGameDialog::AskSaveFileName(std::span<const TExportFilter> filters,
                                                                      const std::filesystem::path& proposed)
{
    return ::AskSaveFileName(this, filters, QString::fromStdU16String(proposed.u16string()));
}

void TGameDialog::OpenUrl(std::string_view url, std::function<void()> failed)
{
    StartBrowser(this, QUrl(Name(url)), std::move(failed));
}

std::filesystem::path TGameDialog::ProgramFolder() const
{
    return QCoreApplication::applicationDirPath().toStdU16String();
}

std::filesystem::path TGameDialog::DocumentsFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdU16String();
}

void TGameDialog::SetKeyGuard(TKeyGuard guard)
{
    KeyGuard = std::move(guard);
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool TGameDialog::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (key && KeyGuard && KeyGuard())
        return true;
    return QDialog::eventFilter(watched, event);
}

void TGameDialog::reject()
{
    for (const TControl& row : Logic.Screen().Controls)
        if (row.IsCancel) {
            Click(row.Name, -1);
            return;
        }
}

void TGameDialog::FormShow()
{
    Logic.FormShow(*this);
}

void TGameDialog::Refresh()
{
    Logic.Refresh(*this);
}

bool TGameDialog::IsOpen() const
{
    return isVisible();
}

// The frame is known once the window system has shown the dialog; before, a title bar and border
// as the style draws them stand in for it.
TFrameExtents TGameDialog::Frame() const
{
    if (const QRect outer = frameGeometry(), inner = geometry(); isVisible() && outer != inner)
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 2;
    return {border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + border, border, border};
}

void TGameDialog::CentreOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    PlacedFrame = Frame();
    std::optional<TDeviceRect> board;
    if (const QWidget* view = parentWidget() ? parentWidget()->findChild<QWidget*>("BackgroundImage") : nullptr;
        view && Logic.Screen().BesideBoard && view->isVisible()) {
        const QPoint at = view->mapToGlobal(QPoint(0, 0));
        board = TDeviceRect{at.x(), at.y(), view->width(), view->height()};
    }
    const QRect area = screen->availableGeometry();
    const TDialogPlace place = PlaceDialog({Content->width(), Content->height()}, PlacedFrame,
                                           {area.x(), area.y(), area.width(), area.height()}, board);
    setFixedSize(place.Client.Width, place.Client.Height);
    Scroller->resize(size());
    move(place.Client.Left - PlacedFrame.Left, place.Client.Top - PlacedFrame.Top);
}

void TGameDialog::Appear()
{
    const bool first = !FirstShown;
    FirstShown = true;
    show();
    // Placed by a frame that only stood in for the one the window system gave it: placed again.
    if (const TFrameExtents frame = Frame(); first && (frame.Left != PlacedFrame.Left || frame.Top != PlacedFrame.Top ||
                                                       frame.Right != PlacedFrame.Right ||
                                                       frame.Bottom != PlacedFrame.Bottom))
        CentreOnScreen();
}

void TGameDialog::BringToFront()
{
    raise();
    activateWindow();
}
