#include "zorimex/ui/form6.h"

#include "information_window.h"
#include "ui_form6.h"

namespace zorimex::ui {

Form6::Form6(QWidget* parent) : PictureSurface(parent) {
    BuildInformationWindow<Ui::Form6>(this);
}

} // namespace zorimex::ui
