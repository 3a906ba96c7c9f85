#pragma once
// The hotel-rate window: standard single-room rates per night and a button that closes it.

#include "zorimex/ui/picture_surface.h"

namespace zorimex::ui {

class Form6 : public PictureSurface {
    Q_OBJECT

public:
    static constexpr int kNumber = 6;
    explicit Form6(QWidget* parent = nullptr);
};

} // namespace zorimex::ui
