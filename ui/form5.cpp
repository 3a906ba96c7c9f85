#include "zorimex/ui/form5.h"

#include "information_window.h"
#include "ui_form5.h"

namespace zorimex::ui {

Form5::Form5(QWidget* parent) : PictureSurface(parent) {
    BuildInformationWindow<Ui::Form5>(this);
}

} // namespace zorimex::ui
