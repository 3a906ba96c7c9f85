#pragma once
// The advice and hotel-rate windows are the same window with other contents: a picture, fixed
// texts and one button, Command1, that closes it. Only their definitions differ.

#include "design_properties.h"

#include <QPushButton>

namespace zorimex::ui {

/// Builds `window` from its uic `Definition` and makes its Command1 close it. The window keeps
/// nothing of the definition: it never touches its controls again.
template <typename Definition> void BuildInformationWindow(QWidget* window) {
    Definition definition;
    definition.setupUi(window);
    ApplyDesignProperties(window);
    QObject::connect(definition.Command1, &QPushButton::clicked, window, &QWidget::close);
}

} // namespace zorimex::ui
