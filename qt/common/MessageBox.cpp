#include "qt/common/MessageBox.h"

#include <QMessageBox>

#include "app/MessageTexts.h"

namespace {

TMessageBoxHook& Hook()
{
    static TMessageBoxHook hook;
    return hook;
}

TQuestionHook& QuestionHook()
{
    static TQuestionHook hook;
    return hook;
}

// Runs the box with the keyboard in it, and gives the keyboard back to the window it came from,
// also where no window manager hands it on.
int RunWithTheKeyboard(QMessageBox& box, QWidget* parent)
{
    box.show();
    box.activateWindow();
    const int answer = box.exec();
    if (parent)
        parent->window()->activateWindow();
    return answer;
}

}  // namespace

void ShowMessageBox(QWidget* parent, TMessageKind kind, const QString& title, const QString& text)
{
    if (Hook()) {
        Hook()(kind, title, text);
        return;
    }
    const QMessageBox::Icon icon = kind == TMessageKind::Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    // A file name or an error text may look like markup; it is shown as it is, line breaks kept.
    box.setTextFormat(Qt::PlainText);
    // The dialogs stay on top; a modal box behind one of them would leave the game looking frozen.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    RunWithTheKeyboard(box, parent);
}

void ShowMessage(QWidget* parent, TMessageKind kind, const std::string& text)
{
    ShowMessageBox(parent, kind, QString::fromUtf8(MessageTitle(kind)), QString::fromStdString(text));
}

void SetMessageBoxHook(TMessageBoxHook hook)
{
    Hook() = std::move(hook);
}

bool AskQuestion(QWidget* parent, const std::string& question)
{
    const QString title = QString::fromUtf8(ConfirmTitle), text = QString::fromStdString(question);
    if (QuestionHook())
        return QuestionHook()(title, text);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return RunWithTheKeyboard(box, parent) == QMessageBox::Yes;
}

void ShowMessage(QWidget* parent, const TMessageRequest& request)
{
    ShowModal(
        request, [&] { ShowMessage(parent, request.Kind, request.Text); },
        [&] { return AskQuestion(parent, request.Text); });
}

void SetQuestionHook(TQuestionHook hook)
{
    QuestionHook() = std::move(hook);
}
