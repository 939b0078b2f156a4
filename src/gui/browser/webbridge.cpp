#include "gui/browser/webbridge.h"

void WebBridge::download(const QString &data)
{
    Q_EMIT downloadStarted(data);
}
