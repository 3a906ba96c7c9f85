#include "zorimex/ui/form2.h"

#include "design_properties.h"
#include "ui_form2.h"

#include "zorimex/actions.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>

namespace zorimex::ui {
namespace {

QString FromCore(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCore(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

std::size_t IndexOf(Field field) {
    return static_cast<std::size_t>(field) - 1;
}

} // namespace

Form2::Form2(QWidget* parent) : QMainWindow(parent), ui_(std::make_unique<Ui::Form2>()) {
    ui_->setupUi(this);
    // The window's pop face is for its fields; the menu bar keeps the program's own font. Before
    // the design pass, which sizes the window around the menu bar.
    QFont menuFont = QApplication::font();
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    menuBar()->setFont(menuFont);
    ApplyDesignProperties(this);
    fields_ = {ui_->Text1, ui_->Text2, ui_->Text3, ui_->Text4,  ui_->Text5, ui_->Text6,
               ui_->Text7, ui_->Text8, ui_->Text9, ui_->Text10, ui_->Text11};

    // The core says which button computes what; the window only passes the fields.
    for (auto* button : findChildren<QAbstractButton*>()) {
        const std::string name = button->objectName().toStdString();
        if (const auto action = ActionForControl(name))
            connect(button, &QAbstractButton::clicked, this,
                    [this, action = *action] { runAction(action); });
        else if (name == kExactAmountControl)
            connect(button, &QAbstractButton::clicked, this, &Form2::showExactAmount);
    }
    connect(ui_->Command4, &QPushButton::clicked, this, &Form2::selectCountryChosen);
    connect(ui_->Command5, &QPushButton::clicked, this, &Form2::endChosen);
    connect(ui_->finish, &QAction::triggered, this, &Form2::endChosen);
    connect(ui_->pk, &QAction::triggered, this, &Form2::adviceChosen);
    connect(ui_->hotel, &QAction::triggered, this, &Form2::hotelRatesChosen);
    connect(ui_->version, &QAction::triggered, this, &Form2::aboutChosen);
    connect(ui_->Image1, &ClickableImage::clicked, this, &Form2::bulletinBoardChosen);
    connect(ui_->Image2, &ClickableImage::clicked, this, &Form2::makerSiteChosen);
    addKeyboardAccess();
}

Form2::~Form2() = default;

void Form2::addKeyboardAccess() {
    // The captions stay as designed, so the menus get their keys without marks in the text: F10
    // opens the menu bar as on every desktop, Alt with the initial of a menu's English name
    // opens that menu, and 終了 has the desktop's own quit key.
    // Desktops without a quit key of their own (Windows closes with Alt+F4) get the common one.
    const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    ui_->finish->setShortcuts(
        quitKeys.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quitKeys);
    QMenuBar* bar = menuBar();
    const auto openOnKey = [this, bar](const QKeySequence& key, QAction* menu) {
        connect(new QShortcut(key, this), &QShortcut::activated, bar, [bar, menu] {
            if (menu->menu())
                bar->setActiveAction(menu);
            else
                menu->trigger();
        });
    };
    openOnKey(QKeySequence(Qt::Key_F10), ui_->files->menuAction());
    openOnKey(QKeySequence(Qt::ALT | Qt::Key_F), ui_->files->menuAction());
    openOnKey(QKeySequence(Qt::ALT | Qt::Key_T), ui_->add->menuAction());
    openOnKey(QKeySequence(Qt::ALT | Qt::Key_V), ui_->version);
}

QLineEdit* Form2::field(Field which) const {
    return fields_[IndexOf(which)];
}

QString Form2::fieldText(Field which) const {
    return field(which)->text();
}

webpane::WebPane* Form2::browserPane() const {
    return ui_->WebBrowser1;
}

Fields Form2::readFields() const {
    Fields fields;
    for (const Field which : kAllFields)
        fields[which] = ToCore(fieldText(which));
    return fields;
}

void Form2::writeChangedFields(const Fields& before, const Fields& after) {
    // Only what the action wrote goes back: a field it left alone keeps the user's exact text,
    // even where that text does not survive a round trip through UTF-8 (a lone surrogate).
    for (const Field which : kAllFields) {
        if (after[which] != before[which])
            field(which)->setText(FromCore(after[which]));
    }
}

void Form2::runAction(FieldAction action) {
    const Fields before = readFields();
    Fields after = before;
    action(after);
    writeChangedFields(before, after);
}

void Form2::choose(const Choice& choice) {
    const Fields before = readFields();
    Fields after = before;
    Choose(after, choice);
    writeChangedFields(before, after);
}

void Form2::showExactAmount() {
    const Message message = ExactAmountMessage(readFields());
    QMessageBox box(QMessageBox::NoIcon, FromCore(message.title), FromCore(message.text),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("ExactAmountMessage"));
    box.exec();
}

} // namespace zorimex::ui
