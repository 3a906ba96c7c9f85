#include "zorimex/ui/form7.h"

#include "design_properties.h"
#include "ui_form7.h"

namespace zorimex::ui {

Form7::Form7(QWidget* parent) : PictureSurface(parent), ui_(std::make_unique<Ui::Form7>()) {
    ui_->setupUi(this);
    ApplyDesignProperties(this);
    connect(ui_->Command2, &QPushButton::clicked, this, &Form7::yesChosen);
    connect(ui_->Command1, &QPushButton::clicked, this, &Form7::noChosen);
}

Form7::~Form7() = default;

} // namespace zorimex::ui
