// The yardstick for the program's start-up: a bare Qt Widgets window of the main window's size
// with a few ordinary controls, shown at once. No pictures, no custom fonts, no style of its own.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QWidget window;
    window.resize(483, 363);
    auto* caption = new QLabel(QStringLiteral("Amount"), &window);
    caption->setGeometry(16, 16, 120, 24);
    auto* amount = new QLineEdit(&window);
    amount->setGeometry(144, 16, 160, 24);
    auto* rateCaption = new QLabel(QStringLiteral("Rate"), &window);
    rateCaption->setGeometry(16, 56, 120, 24);
    auto* rate = new QLineEdit(&window);
    rate->setGeometry(144, 56, 160, 24);
    auto* convert = new QPushButton(QStringLiteral("Convert"), &window);
    convert->setGeometry(320, 16, 140, 64);
    auto* quit = new QPushButton(QStringLiteral("Quit"), &window);
    quit->setGeometry(320, 300, 140, 40);
    QObject::connect(quit, &QPushButton::clicked, &application, &QApplication::quit);
    window.show();

    return QApplication::exec();
}
