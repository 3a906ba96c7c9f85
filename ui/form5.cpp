#include "zorimex/ui/form5.h"

#include "design_properties.h"
#include "ui_form5.h"

namespace zorimex::ui {

Form5::Form5(QWidget* parent) : PictureSurface(parent), ui_(std::make_unique<Ui::Form5>()) {
    ui_->setupUi(this);
    ApplyDesignProperties(this);
    connect(ui_->Command1, &QPushButton::clicked, this, &QWidget::close);
}

Form5::~Form5() = default;

} // namespace zorimex::ui
