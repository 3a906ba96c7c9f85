#pragma once
// The main window. Its text fields are the data of a conversion; its buttons hand those texts to
// the conversion core and write back what changed. It computes nothing itself.

#include "zorimex/actions.h"
#include "zorimex/catalogue.h"
#include "zorimex/fields.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

class QLineEdit;

namespace Ui {
class Form2;
}

namespace zorimex::webpane {
class WebPane;
}

namespace zorimex::ui {

class Form2 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kNumber = 2;
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    /// The current text of a field.
    QString fieldText(Field which) const;
    /// Writes a currency choice into the rate and name fields (Text5, then Text6).
    void choose(const Choice& choice);
    /// The browser pane in the top right corner.
    webpane::WebPane* browserPane() const;

signals:
    // The commands of the buttons, menus and banners that concern other windows or the program.
    void selectCountryChosen(); ///< "国を選択"
    void endChosen();           ///< "終了", the menu item or the button
    void adviceChosen();        ///< the menu's advice for travellers
    void hotelRatesChosen();    ///< the menu's hotel rates
    void aboutChosen();         ///< the menu's version information
    void bulletinBoardChosen(); ///< the 感想・要望 banner
    void makerSiteChosen();     ///< the "Go to" banner

private:
    QLineEdit* field(Field which) const;
    Fields readFields() const;
    /// Writes back, in field order, every text that differs from what the window shows.
    void writeChangedFields(const Fields& before, const Fields& after);
    void runAction(FieldAction action);
    void showExactAmount();
    void addKeyboardAccess();

    std::unique_ptr<Ui::Form2> ui_;
    std::array<QLineEdit*, kFieldCount> fields_{};
};

} // namespace zorimex::ui
