#pragma once
// The advice window: cautions for travellers and a button that closes it.

#include "zorimex/ui/picture_surface.h"

namespace zorimex::ui {

class Form5 : public PictureSurface {
    Q_OBJECT

public:
    static constexpr int kNumber = 5;
    explicit Form5(QWidget* parent = nullptr);
};

} // namespace zorimex::ui
