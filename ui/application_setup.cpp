#include "zorimex/ui/application_setup.h"

#include "zorimex/ui/clickable_image.h"
#include "zorimex/ui/clickable_label.h"
#include "zorimex/ui/japanese_fonts.h"
#include "zorimex/ui/picture_surface.h"

#include <QApplication>
#include <QStyleFactory>

namespace zorimex::ui {

void PrepareApplication() {
    // One style everywhere, so the windows look and measure the same on every desktop and in
    // the offscreen tests.
    if (auto* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    InstallJapaneseFonts();
    ClickableLabel::installAccessibility();
    ClickableImage::installAccessibility();
    PictureSurface::installAccessibility();
}

} // namespace zorimex::ui
