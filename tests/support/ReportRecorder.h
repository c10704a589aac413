#pragma once

#include <QString>

#include <vector>

#include "model/GameEffects.h"

struct TReport {
    TMessageKind Kind;
    QString Title;
    QString Text;
};

// Records every message box and question instead of showing it, for the life of the object; a
// question is answered Answer.
class TReportRecorder {
public:
    TReportRecorder();
    ~TReportRecorder();
    TReportRecorder(const TReportRecorder&) = delete;
    TReportRecorder& operator=(const TReportRecorder&) = delete;

    std::vector<TReport> Reports;
    std::vector<QString> Questions;
    bool Answer = false;
};
