#include "application_setup.h"

#include "clickable_label.h"
#include "japanese_fonts.h"
#include "picture_surface.h"

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
    PictureSurface::installAccessibility();
}

} // namespace zorimex::ui
