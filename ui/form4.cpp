#include "zorimex/ui/form4.h"

#include "design_properties.h"
#include "ui_form4.h"

namespace zorimex::ui {

Form4::Form4(QWidget* parent) : PictureSurface(parent), ui_(std::make_unique<Ui::Form4>()) {
    ui_->setupUi(this);
    ApplyDesignProperties(this);

    for (auto* label : findChildren<ClickableLabel*>()) {
        connect(label, &ClickableLabel::clicked, this,
                [this, name = label->objectName()] { emit controlChosen(name); });
    }
    // `clicked` fires for a mouse click and when the arrow keys move the group's selection onto
    // a button, once each; focus arriving by Tab selects nothing and so writes nothing.
    for (auto* option : findChildren<QRadioButton*>()) {
        connect(option, &QRadioButton::clicked, this,
                [this, name = option->objectName()] { emit controlChosen(name); });
    }
    connect(ui_->Command1, &QPushButton::clicked, this, &QWidget::close);
}

Form4::~Form4() = default;

} // namespace zorimex::ui
