#pragma once
// The About window. Its "OK" is both the default and the cancel button: Enter and Esc press it
// wherever the focus is.

#include "zorimex/ui/picture_surface.h"

#include <memory>

namespace Ui {
class Form3;
}

namespace zorimex::ui {

class Form3 : public PictureSurface {
    Q_OBJECT

public:
    static constexpr int kNumber = 3;
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::Form3> ui_;
};

} // namespace zorimex::ui
