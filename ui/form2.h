#pragma once
// The main window. Its text fields are the data of a conversion; its buttons hand those texts to
// the conversion core and write back what changed. It computes nothing itself.

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

namespace zorimex::ui {

class WebPane;

class Form2 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kNumber = 2;
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    /// The current text of a field.
    QString fieldText(Field field) const;
    /// Writes a currency choice into the rate and name fields (Text5, then Text6).
    void choose(const Choice& choice);
    /// The browser pane in the top right corner.
    WebPane* browserPane() const;

private:
    QLineEdit* field(Field field) const;
    Fields readFields() const;
    /// Writes back, in field order, every text that differs from what the window shows.
    void writeChangedFields(const Fields& before, const Fields& after);
    void runAction(void (*action)(Fields&));
    void showExactAmount();
    void addKeyboardAccess();

    std::unique_ptr<Ui::Form2> ui_;
    std::array<QLineEdit*, kFieldCount> fields_{};
};

} // namespace zorimex::ui
