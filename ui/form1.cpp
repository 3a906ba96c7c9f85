#include "zorimex/ui/form1.h"

#include "design_properties.h"
#include "ui_form1.h"

namespace zorimex::ui {

Form1::Form1(QWidget* parent) : PictureSurface(parent), ui_(std::make_unique<Ui::Form1>()) {
    ui_->setupUi(this);
    ApplyDesignProperties(this);

    connect(ui_->Command1, &QPushButton::clicked, this, &Form1::okChosen);
    connect(ui_->Command2, &QPushButton::clicked, this, &Form1::endChosen);
}

Form1::~Form1() = default;

} // namespace zorimex::ui
