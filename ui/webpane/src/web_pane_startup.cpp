#include <zorimex/webpane/web_pane_startup.h>

#include <QCoreApplication>

namespace zorimex::webpane {

bool paneMayBeNavigated(const std::optional<QString>& peekedValue) {
    return peekedValue &&
           (*peekedValue == QLatin1String("U") || *peekedValue == QLatin1String("Y"));
}

void prepareApplicationForWebPane(const std::optional<QString>& peekedValue) {
    if (paneMayBeNavigated(peekedValue))
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace zorimex::webpane
