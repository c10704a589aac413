#include "tests/support/ReportRecorder.h"

#include "qt/common/MessageBox.h"

TReportRecorder::TReportRecorder()
{
    SetMessageBoxHook([this](TMessageKind kind, const QString& title, const QString& text) {
        Reports.push_back({kind, title, text});
    });
}

TReportRecorder::~TReportRecorder()
{
    SetMessageBoxHook({});
}
