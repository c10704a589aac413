#pragma once

#include <QUrl>

#include <functional>

class QObject;

// Starts the player's browser on the url; the browser runs on its own. failed runs once it is
// known that none could be started: the launcher did not run, or ended with an error. Nothing
// runs once owner is gone.
void StartBrowser(QObject* owner, const QUrl& url, std::function<void()> failed);

// Stands in for the launcher (tests answer this way); an empty one restores it.
using TBrowserStart = std::function<void(const QUrl& url, const std::function<void()>& failed)>;
void SetBrowserStart(TBrowserStart start);
