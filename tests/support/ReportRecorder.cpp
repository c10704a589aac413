#include "tests/support/ReportRecorder.h"

#include "qt/common/MessageBox.h"

TReportRecorder::TReportRecorder()
{
    SetMessageBoxHook([this](TMessageKind kind, const QString& title, const QString& text) {
        Reports.push_back({kind, title, text});
    });
    SetQuestionHook([this](const QString&, const QString& text) {
        Questions.push_back(text);
        return Answer;
    });
}

TReportRecorder::~TReportRecorder()
{
    SetMessageBoxHook({});
    SetQuestionHook({});
}
