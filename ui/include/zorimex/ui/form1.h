#pragma once
// The start-up window: product artwork, the donation request, "OK" to go on to the main window
// and a × that ends the program.

#include "zorimex/ui/picture_surface.h"

#include <memory>

namespace Ui {
class Form1;
}

namespace zorimex::ui {

class Form1 : public PictureSurface {
    Q_OBJECT

public:
    static constexpr int kNumber = 1;
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

signals:
    /// "OK" was pressed: go on to the main window.
    void okChosen();
    /// The × button on the artwork was pressed.
    void endChosen();

private:
    std::unique_ptr<Ui::Form1> ui_;
};

} // namespace zorimex::ui
