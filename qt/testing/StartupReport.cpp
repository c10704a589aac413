#include "qt/testing/StartupReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QByteArray ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
            if (line.startsWith("VmRSS:"))
                return line.mid(6).replace("kB", "").trimmed();
    }
    return "unknown";
}

void Report()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("first-paint-ns %lld\nrss-kb %s\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                ResidentKilobytes().constData());
    std::fflush(stdout);
    QCoreApplication::quit();
}

class TFirstPaintWatch : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !Seen) {
            Seen = true;
            // Queued, so that the paint in progress completes first.
            QTimer::singleShot(0, Report);
        }
        return false;
    }

private:
    bool Seen = false;
};

}  // namespace

void ReportStartupWhenAsked(QWidget* painted)
{
    const char* asked = std::getenv("TESULI_REPORT_STARTUP");
    if (asked == nullptr || std::strcmp(asked, "1") != 0)
        return;
    painted->installEventFilter(new TFirstPaintWatch(painted));
}
