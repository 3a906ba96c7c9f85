#include "zorimex/ui/design_picture.h"

#include <QFileInfo>
#include <QWidget>

namespace zorimex::ui {
namespace {

QPixmap LoadPicture(const QString& path, qreal devicePixelRatio) {
    if (path.isEmpty())
        return {};
    if (devicePixelRatio > 1.0) {
        const QFileInfo file(path);
        const QString dense =
            file.path() + u'/' + file.completeBaseName() + QStringLiteral("@2x.") + file.suffix();
        QPixmap picture(dense);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(2.0);
            return picture;
        }
    }
    return QPixmap(path);
}

} // namespace

void DesignPicture::load(const QString& path, const QWidget& control) {
    path_ = path;
    pixmap_ = LoadPicture(path, control.devicePixelRatioF());
}

} // namespace zorimex::ui
