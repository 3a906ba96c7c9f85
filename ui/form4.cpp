#include "form4.h"

#include "design_properties.h"
#include "form2.h"
#include "ui_form4.h"
#include "window_registry.h"

#include "zorimex/catalogue.h"

namespace zorimex::ui {

Form4::Form4(QWidget* parent) : PictureSurface(parent), ui_(std::make_unique<Ui::Form4>()) {
    ui_->setupUi(this);
    ApplyDesignProperties(this);

    for (auto* label : findChildren<ClickableLabel*>()) {
        connect(label, &ClickableLabel::clicked, this,
                [name = label->objectName()] { choose(name); });
    }
    // `clicked` fires for a mouse click and when the arrow keys move the group's selection onto
    // a button, once each; focus arriving by Tab selects nothing and so writes nothing.
    for (auto* option : findChildren<QRadioButton*>()) {
        connect(option, &QRadioButton::clicked, this,
                [name = option->objectName()] { choose(name); });
    }
    connect(ui_->Command1, &QPushButton::clicked, this,
            [this] { WindowRegistry::instance().unload(this); });
}

Form4::~Form4() = default;

void Form4::choose(const QString& controlName) {
    const auto choice = ChoiceForControl(controlName.toStdString());
    if (!choice)
        return; // Option1 stands for no currency
    auto& windows = WindowRegistry::instance();
    Form2* mainWindow = windows.form2();
    windows.show(mainWindow);
    mainWindow->choose(*choice);
}

} // namespace zorimex::ui
