#include "zorimex/ui/form6.h"

#include "design_properties.h"
#include "ui_form6.h"

namespace zorimex::ui {

Form6::Form6(QWidget* parent) : PictureSurface(parent), ui_(std::make_unique<Ui::Form6>()) {
    ui_->setupUi(this);
    ApplyDesignProperties(this);
    connect(ui_->Command1, &QPushButton::clicked, this, &QWidget::close);
}

Form6::~Form6() = default;

} // namespace zorimex::ui
