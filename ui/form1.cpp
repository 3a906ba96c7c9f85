#include "form1.h"

#include "design_properties.h"
#include "ui_form1.h"
#include "window_registry.h"

#include "form2.h"

namespace zorimex::ui {

Form1::Form1(QWidget* parent) : PictureSurface(parent), ui_(std::make_unique<Ui::Form1>()) {
    ui_->setupUi(this);
    ApplyDesignProperties(this);

    connect(ui_->Command1, &QPushButton::clicked, this, [this] {
        auto& windows = WindowRegistry::instance();
        // The main window is on screen before this one goes, so the program never runs out of
        // visible windows in between.
        windows.show(windows.form2());
        windows.unload(this);
    });
    connect(ui_->Command2, &QPushButton::clicked, this,
            [] { WindowRegistry::instance().endProgram(); });
}

Form1::~Form1() = default;

} // namespace zorimex::ui
