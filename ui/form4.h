#pragma once
// The country selection window: a world map with a radio button on each country and a list of
// currency labels. A choice brings the main window forward and writes the currency into it; the
// window stays open until "選択終了".

#include "picture_surface.h"

#include <memory>

namespace Ui {
class Form4;
}

namespace zorimex::ui {

class Form4 : public PictureSurface {
    Q_OBJECT

public:
    static constexpr int kNumber = 4;
    explicit Form4(QWidget* parent = nullptr);
    ~Form4() override;

private:
    /// Shows the main window and writes the currency of the control named `controlName`.
    static void choose(const QString& controlName);

    std::unique_ptr<Ui::Form4> ui_;
};

} // namespace zorimex::ui
