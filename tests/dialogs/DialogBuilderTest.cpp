// Every dialog as the builder makes it from its screen: each row a widget of its kind with its name,
// place, texts and role, none cut off, its clicks and keys sent to the logic. Run at a pixel ratio
// of 1 and of 2 on screens that hold every dialog, and on a small one.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "qt/dialogs/KanaChartView.h"
#include "qt/dialogs/PathLabel.h"
#include "qt/dialogs/PreviewPanel.h"
#include "qt/window/MainUnit.h"
#include "tests/support/GuiFixture.h"

namespace {

// Stands in for a dialog's logic: the dialog's own screen, the clicks written down.
class TRecordingLogic : public TDialogLogic {
public:
    explicit TRecordingLogic(const TScreen& screen) : Shown(screen) {}

    const TScreen& Screen() const override { return Shown; }
    void Click(TDialogView&, std::string_view control, int item) override
    {
        Clicks.push_back(std::string(control) + (item >= 0 ? " " + std::to_string(item) : ""));
    }

    std::vector<std::string> Clicks;

private:
    const TScreen& Shown;
};

QRect Rect(const TDesignRect& rect)
{
    return {rect.Left, rect.Top, rect.Width, rect.Height};
}

QRect InDialog(const QWidget* control, const QWidget* dialog)
{
    return {control->mapTo(dialog, QPoint(0, 0)), control->size()};
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// What the text needs beside a button's glyph or a radio item's round button.
constexpr int MarkWidth = 20;

std::string DialogName(TDialogId dialog)
{
    const std::string names[DialogCount] = {"Options", "Name", "Scores", "Help", "About", "Progress"};
    return names[static_cast<int>(dialog)];
}

class TDialogBuilder : public TGuiTest, public testing::WithParamInterface<TDialogId> {
protected:
    const TScreen& Screen() { return MainForm->MidEnd.Dialog(GetParam()).Screen(); }
};

TEST_P(TDialogBuilder, FrameAsTheScreenSays)
{
    const TGameDialog* dialog = GameDialog(GetParam());
    const TScreen& screen = Screen();
    EXPECT_EQ(dialog->objectName(), Text(screen.Name));
    EXPECT_EQ(dialog->windowTitle(), Text(screen.Caption));
    EXPECT_GE(dialog->width(), screen.ClientWidth);
    EXPECT_EQ(dialog->height(), screen.ClientHeight);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(dialog->isModal());
    if (screen.ProgramIconInTitle) {
        EXPECT_TRUE(dialog->windowIcon().availableSizes().contains(QSize(256, 256)));
    }
}

TEST_P(TDialogBuilder, EveryRowIsAWidgetOfItsKindInItsPlaceWithItsTextsAndNothingIsCutOff)
{
    TGameDialog* dialog = GameDialog(GetParam());
    ShowAndActivate(dialog);
    const TScreen& screen = Screen();
    const bool grown = dialog->width() > screen.ClientWidth;
    for (const TControl& row : screen.Controls) {
        SCOPED_TRACE(row.Name);
        QWidget* control = dialog->Control(row.Name);
        EXPECT_TRUE(control->isVisible());
        const QRect designed = Rect(screen.PlaceInDialog(row));
        const QRect place = InDialog(control, dialog);
        EXPECT_TRUE(dialog->rect().contains(place));
        if (!row.Parent.empty()) {
            EXPECT_TRUE(dialog->Control(row.Parent)->rect().contains(control->geometry()));
        }
        const QFontMetrics font = control->fontMetrics();
        switch (row.Kind) {
        case TControlKind::Label: {
            const auto* label = qobject_cast<QLabel*>(control);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(place.topLeft(), designed.topLeft());
            EXPECT_GE(place.width(), row.Rect.Width);
            if (!row.Caption.empty()) {
                EXPECT_EQ(label->text(), Text(row.Caption));
            }
            EXPECT_EQ(label->toolTip(), Text(row.Tooltip));
            EXPECT_LE(font.horizontalAdvance(label->text()), label->width());
            EXPECT_LE(font.height(), label->height());
            // A frame behind a label widens with it, the dialog too.
            for (const TControl& frame : screen.Controls) {
                if (frame.Kind == TControlKind::Bevel && Rect(screen.PlaceInDialog(frame)).contains(designed.topLeft())) {
                    EXPECT_TRUE(InDialog(dialog->Control(frame.Name), dialog).contains(place)) << frame.Name;
                }
            }
            break;
        }
        case TControlKind::Button: {
            const auto* button = qobject_cast<QPushButton*>(control);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(place.size(), designed.size());
            EXPECT_EQ(place.top(), designed.top());
            if (!grown) {
                EXPECT_EQ(place.left(), designed.left());
            }
            EXPECT_EQ(button->text(), Text(row.Caption));
            EXPECT_EQ(button->icon().isNull(), row.Glyph == TButtonGlyph::None);
            EXPECT_EQ(button->isDefault(), row.IsDefault);
            EXPECT_LE(font.horizontalAdvance(button->text()) + MarkWidth, button->width());
            break;
        }
        case TControlKind::RadioGroup: {
            const auto* group = qobject_cast<QGroupBox*>(control);
            ASSERT_NE(group, nullptr);
            EXPECT_EQ(place, designed);
            EXPECT_EQ(group->title(), Text(row.Caption));
            const QList<QAbstractButton*> items = group->findChild<QButtonGroup*>()->buttons();
            ASSERT_EQ(items.size(), static_cast<qsizetype>(row.Items.size()));
            for (size_t i = 0; i < row.Items.size(); ++i) {
                const auto* item = qobject_cast<QRadioButton*>(items[static_cast<qsizetype>(i)]);
                ASSERT_NE(item, nullptr);
                EXPECT_EQ(item->text(), Text(row.Items[i]));
                EXPECT_EQ(item->objectName(), Text(RadioItemName(row.ItemPrefix, row.Items[i])));
                EXPECT_TRUE(group->rect().contains(item->geometry()));
                EXPECT_GE(item->geometry().top(), group->contentsRect().top()) << "clear of the frame's top line";
                EXPECT_LE(font.horizontalAdvance(item->text()) + MarkWidth, item->width());
                EXPECT_LE(font.height(), item->height());
            }
            break;
        }
        case TControlKind::GroupBox:
            ASSERT_NE(qobject_cast<QGroupBox*>(control), nullptr);
            EXPECT_EQ(place, designed);
            EXPECT_EQ(qobject_cast<QGroupBox*>(control)->title(), Text(row.Caption));
            break;
        case TControlKind::Preview:
            ASSERT_NE(qobject_cast<TPreviewPanel*>(control), nullptr);
            EXPECT_EQ(place, designed);
            EXPECT_EQ(qobject_cast<TPreviewPanel*>(control)->Image()->objectName(), Text(PreviewImageName(row.Name)));
            break;
        case TControlKind::Memo:
            ASSERT_NE(qobject_cast<QTextEdit*>(control), nullptr);
            EXPECT_EQ(place, designed);
            EXPECT_EQ(qobject_cast<QTextEdit*>(control)->toPlainText(), Text(row.Caption));
            EXPECT_TRUE(qobject_cast<QTextEdit*>(control)->isReadOnly());
            break;
        case TControlKind::Edit:
            ASSERT_NE(qobject_cast<QLineEdit*>(control), nullptr);
            EXPECT_EQ(place.topLeft(), designed.topLeft());
            EXPECT_GE(place.width(), designed.width());
            break;
        case TControlKind::ScoreList: EXPECT_NE(qobject_cast<QTreeWidget*>(control), nullptr); break;
        case TControlKind::CommandList: EXPECT_NE(qobject_cast<QTreeWidget*>(control), nullptr); break;
        case TControlKind::ProgramIcon:
            ASSERT_NE(qobject_cast<QLabel*>(control), nullptr);
            EXPECT_EQ(place, designed);
            EXPECT_FALSE(qobject_cast<QLabel*>(control)->pixmap().isNull());
            break;
        case TControlKind::KanaChart:
            EXPECT_NE(qobject_cast<TKanaChartView*>(control), nullptr);
            EXPECT_EQ(place, designed);
            break;
        case TControlKind::CheckBox: {
            const auto* box = qobject_cast<QCheckBox*>(control);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(place.topLeft(), designed.topLeft());
            EXPECT_EQ(box->text(), Text(row.Caption));
            EXPECT_LE(font.horizontalAdvance(box->text()) + MarkWidth, box->width());
            EXPECT_LE(font.height(), box->height());
            break;
        }
        case TControlKind::PathLabel:
            ASSERT_NE(qobject_cast<TPathLabel*>(control), nullptr);
            EXPECT_EQ(place.topLeft(), designed.topLeft());
            EXPECT_EQ(place.width(), designed.width()) << "a long path must not push it out of the dialog";
            break;
        case TControlKind::Bevel: break;
        }
        if (row.Kind == TControlKind::ScoreList || row.Kind == TControlKind::CommandList ||
            row.Kind == TControlKind::Bevel) {
            EXPECT_EQ(place.topLeft(), designed.topLeft());
            EXPECT_EQ(place.height(), designed.height());
        }
    }
}

// Buttons, items and previews send their clicks; Enter is a click of the default row, Escape one of
// the cancel row, from where the focus starts.
TEST_P(TDialogBuilder, ClicksAndKeysGoToTheLogic)
{
    TRecordingLogic logic(Screen());
    TGameDialog dialog(MainForm, logic);
    ShowAndActivate(&dialog);
    std::vector<std::string> expected;
    for (const TControl& row : Screen().Controls) {
        QWidget* control = dialog.Control(row.Name);
        if (row.Kind == TControlKind::Button) {
            QTest::mouseClick(control, Qt::LeftButton);
            expected.push_back(row.Name);
        } else if (row.Kind == TControlKind::Preview) {
            QTest::mouseClick(qobject_cast<TPreviewPanel*>(control)->Image(), Qt::LeftButton);
            expected.push_back(row.Name);
        } else if (row.Kind == TControlKind::RadioGroup) {
            const int last = static_cast<int>(row.Items.size()) - 1;
            QAbstractButton* item = control->findChild<QButtonGroup*>()->button(last);
            QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
            expected.push_back(row.Name + " " + std::to_string(last));
        } else if (row.Kind == TControlKind::CheckBox) {
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
            expected.push_back(row.Name + " 1");
            EXPECT_EQ(dialog.ItemIndex(row.Name), 1);
            dialog.SetItemIndex(row.Name, 0);
            EXPECT_FALSE(qobject_cast<QCheckBox*>(control)->isChecked());
        }
    }
    for (const auto& [key, isRole] : {std::pair{Qt::Key_Return, &TControl::IsDefault}, std::pair{Qt::Key_Escape, &TControl::IsCancel}}) {
        for (const TControl& row : Screen().Controls)
            if (row.*isRole)
                expected.push_back(row.Name);
        for (const TControl& row : Screen().Controls)
            if (row.FirstFocus)
                dialog.Control(row.Name)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    EXPECT_EQ(logic.Clicks, expected);
}

// The first focus is the row's that says so; Tab goes through the tab stops in the rows' order.
TEST_P(TDialogBuilder, FocusStartsWhereTheScreenSaysAndTabFollowsTheRows)
{
    TRecordingLogic logic(Screen());
    TGameDialog dialog(MainForm, logic);
    ShowAndActivate(&dialog);
    std::vector<const TControl*> stops;
    for (const TControl& row : Screen().Controls) {
        if (row.FirstFocus) {
            EXPECT_EQ(QApplication::focusWidget(), dialog.Control(row.Name)) << row.Name;
        }
        if (row.TabStop)
            stops.push_back(&row);
    }
    for (size_t i = 0; i + 1 < stops.size(); ++i) {
        if (stops[i]->Kind == TControlKind::RadioGroup)
            continue;
        SCOPED_TRACE(stops[i]->Name);
        dialog.Control(stops[i]->Name)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* next = dialog.Control(stops[i + 1]->Name);
        EXPECT_TRUE(QApplication::focusWidget() == next || next->isAncestorOf(QApplication::focusWidget()));
    }
}

// On a screen smaller than the dialog (run on 640 x 512 at twice the pixel density: 1280 x 1024 at
// 200 %), it opens wholly within the available area, title bar included, and scrolls: each control
// the keyboard goes to comes into sight, and the scroll bars reach every other.
TEST_P(TDialogBuilder, OnASmallScreenOpensWhollyOnItWithEveryControlReachable)
{
    TGameDialog* dialog = GameDialog(GetParam());
    ShowAndActivate(dialog);
    const QRect available = dialog->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(dialog->frameGeometry())) << "frame " << dialog->frameGeometry().width() << " x "
                                                             << dialog->frameGeometry().height();
    const auto* scroller = dialog->findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    const QWidget* content = scroller->widget();
    EXPECT_GE(content->width(), Screen().ClientWidth);
    EXPECT_EQ(content->height(), Screen().ClientHeight);
    EXPECT_GE(scroller->horizontalScrollBar()->maximum() + scroller->viewport()->width(), content->width());
    EXPECT_GE(scroller->verticalScrollBar()->maximum() + scroller->viewport()->height(), content->height());
    const QRect sight = InDialog(scroller->viewport(), dialog);
    for (const TControl& row : Screen().Controls) {
        if (!row.TabStop && row.Kind != TControlKind::Button)
            continue;
        SCOPED_TRACE(row.Name);
        QWidget* control = dialog->Control(row.Name);
        QWidget* focus = control->focusProxy() ? control->focusProxy() : control;
        if (auto* panel = qobject_cast<TPreviewPanel*>(control))
            focus = panel->Image();
        focus->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        const QRect place = InDialog(control, dialog);
        if (place.width() <= sight.width() && place.height() <= sight.height()) {
            EXPECT_TRUE(sight.contains(place));
        } else {
            EXPECT_TRUE(sight.intersects(place));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, TDialogBuilder,
                         testing::Values(TDialogId::Options, TDialogId::Name, TDialogId::Scores, TDialogId::Help,
                                         TDialogId::About, TDialogId::Progress),
                         [](const testing::TestParamInfo<TDialogId>& info) { return DialogName(info.param); });

}  // namespace
