#pragma once
// The consent dialog: may the main window show the latest-version page? The answer is recorded
// by whoever starts the program, so the window only reports which button was pressed.

#include "zorimex/ui/picture_surface.h"

#include <memory>

namespace Ui {
class Form7;
}

namespace zorimex::ui {

class Form7 : public PictureSurface {
    Q_OBJECT

public:
    static constexpr int kNumber = 7;
    explicit Form7(QWidget* parent = nullptr);
    ~Form7() override;

signals:
    /// "はい" was pressed.
    void yesChosen();
    /// "いいえ" was pressed.
    void noChosen();

private:
    std::unique_ptr<Ui::Form7> ui_;
};

} // namespace zorimex::ui
