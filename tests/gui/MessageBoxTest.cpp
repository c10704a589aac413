// The real modal box, not the recording stand-in: what it shows, and that the game goes on behind it.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "tests/support/GuiFixture.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"
#include "qt/common/MessageBox.h"

namespace {

class TRealMessageBox : public TGuiTest {
protected:
    struct TSeen {
        QString Title;
        QString Text;
        Qt::TextFormat Format = Qt::AutoText;
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
        qsizetype Buttons = 0;
        int LabelHeight = 0;
        int LineSpacing = 0;
    };

    void SetUp() override
    {
        TGuiTest::SetUp();
        SetMessageBoxHook({});
    }

    // Looks at the box once it is open, runs whileOpen, then closes it with its OK button.
    void WhenOpen(TSeen& seen, std::function<void()> whileOpen = {})
    {
        QTimer::singleShot(0, [this, &seen, whileOpen] { Inspect(seen, whileOpen); });
    }

private:
    void Inspect(TSeen& seen, const std::function<void()>& whileOpen)
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QTimer::singleShot(10, [this, &seen, whileOpen] { Inspect(seen, whileOpen); });
            return;
        }
        seen.Title = box->windowTitle();
        seen.Text = box->text();
        seen.Format = box->textFormat();
        seen.Icon = box->icon();
        seen.Buttons = box->buttons().size();
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            seen.LabelHeight = label->sizeHint().height();
            seen.LineSpacing = label->fontMetrics().lineSpacing();
        }
        if (whileOpen)
            whileOpen();
        box->button(QMessageBox::Ok)->click();
    }
};

TEST_F(TRealMessageBox, ShowsTheTextAsWrittenWithOneOkButton)
{
    // A file name may hold what looks like markup; the box must not take it for formatting, nor
    // swallow the line break after it.
    const QString text = QStringLiteral("The file: /tmp/<b>a</b> &amp; b.csv\nhas been saved.");
    TSeen seen;
    WhenOpen(seen);
    ShowMessage(MainForm, TMessageKind::Information, text.toStdString());
    EXPECT_EQ(seen.Title, "Information");
    EXPECT_EQ(seen.Icon, QMessageBox::Information);
    EXPECT_EQ(seen.Buttons, 1);
    EXPECT_EQ(seen.Text, text);
    EXPECT_EQ(seen.Format, Qt::PlainText);
    EXPECT_GE(seen.LabelHeight, 2 * seen.LineSpacing);

    WhenOpen(seen);
    ShowMessage(MainForm, TMessageKind::Error, "<i>Please enter your name first.</i>");
    EXPECT_EQ(seen.Title, "Error");
    EXPECT_EQ(seen.Icon, QMessageBox::Critical);
    EXPECT_EQ(seen.Format, Qt::PlainText);
}

TEST_F(TRealMessageBox, ClockCountsOnBehindIt)
{
    MainForm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
    MainForm->GameTimer.setInterval(10);
    PressEmptyBoard();
    KeepTwoUnmatchedStacks();  // the hint finds no pair and says so
    TSeen seen;
    bool counted = false;
    WhenOpen(seen, [&] {
        counted = QTest::qWaitFor([] { return MainForm->MidEnd.Game().ElapsedSeconds >= 3; }, 5000);
    });
    CommandAction(TCommandId::Hint)->trigger();
    EXPECT_EQ(seen.Text, "There are no more moves available.\nPlease shuffle the tiles.");
    EXPECT_TRUE(counted);
    EXPECT_TRUE(MainForm->GameTimer.isActive());
    EXPECT_TRUE(PanelText(2).startsWith("Time:  0:00:"));
}

}  // namespace
