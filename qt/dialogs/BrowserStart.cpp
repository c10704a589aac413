#include "qt/dialogs/BrowserStart.h"

#include <QDesktopServices>
#include <QProcess>

namespace {

TBrowserStart& Replacement()
{
    static TBrowserStart start;
    return start;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Qt starts xdg-open and forgets it, so that its failure goes unseen: it is run here and its end
// watched. The launcher has no parent: one that waits on the browser is not ended with the game.
void Launch(QObject* owner, const QUrl& url, const std::function<void()>& failed)
{
    auto* launcher = new QProcess;
    QObject::connect(launcher, &QProcess::errorOccurred, owner, [launcher, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;  // a crash ends in finished too
        launcher->deleteLater();
        failed();
    });
    QObject::connect(launcher, &QProcess::finished, owner, [launcher, failed](int code, QProcess::ExitStatus status) {
        launcher->deleteLater();
        if (status != QProcess::NormalExit || code != 0)
            failed();
    });
    launcher->start(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
}
#else
void Launch(QObject*, const QUrl& url, const std::function<void()>& failed)
{
    if (!QDesktopServices::openUrl(url))
        failed();
}
#endif

}  // namespace

void StartBrowser(QObject* owner, const QUrl& url, std::function<void()> failed)
{
    if (Replacement())
        Replacement()(url, failed);
    else
        Launch(owner, url, failed);
}

void SetBrowserStart(TBrowserStart start)
{
    Replacement() = std::move(start);
}
