#pragma once
// The hotel-rate window: standard single-room rates per night and a button that closes it.

#include "zorimex/ui/picture_surface.h"

#include <memory>

namespace Ui {
class Form6;
}

namespace zorimex::ui {

class Form6 : public PictureSurface {
    Q_OBJECT

public:
    static constexpr int kNumber = 6;
    explicit Form6(QWidget* parent = nullptr);
    ~Form6() override;

private:
    std::unique_ptr<Ui::Form6> ui_;
};

} // namespace zorimex::ui
