#pragma once
// The country selection window: a world map with a radio button on each country and a list of
// currency labels. It says which control the user chose; the currency goes to the main window
// through whoever connected it. The window stays open until "選択終了".

#include "zorimex/ui/picture_surface.h"

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

signals:
    /// A currency label or country button was chosen (Option1, no currency, included).
    void controlChosen(const QString& controlName);

private:
    std::unique_ptr<Ui::Form4> ui_;
};

} // namespace zorimex::ui
