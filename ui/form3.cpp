#include "zorimex/ui/form3.h"

#include "design_properties.h"
#include "ui_form3.h"

#include <QKeyEvent>

namespace zorimex::ui {

Form3::Form3(QWidget* parent) : PictureSurface(parent), ui_(std::make_unique<Ui::Form3>()) {
    ui_->setupUi(this);
    ApplyDesignProperties(this);
    connect(ui_->cmdOK, &QPushButton::clicked, this, &QWidget::close);
}

Form3::~Form3() = default;

void Form3::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control leaves unhandled arrive here.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        ui_->cmdOK->click();
        return;
    default:
        PictureSurface::keyPressEvent(event);
    }
}

} // namespace zorimex::ui
