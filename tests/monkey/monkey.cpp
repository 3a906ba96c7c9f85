#include "monkey.h"
#include "currency_table.h"

#include "random_text.h"

#include "startup.h"
#include "window_wiring.h"
#include "zorimex/ui/clickable_image.h"
#include "zorimex/ui/clickable_label.h"
#include "zorimex/ui/form1.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/form4.h"
#include "zorimex/ui/form7.h"
#include "zorimex/ui/web_links.h"
#include "zorimex/ui/window_registry.h"

#include "zorimex/actions.h"
#include "zorimex/preferences/preference_file.h"
#include "zorimex/webpane/web_pane.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace zorimex::test {
namespace {

using ui::WindowRegistry;

// Why the event loop of one program run returned, besides the program's own 0.
constexpr int kBudgetSpent = 101;
constexpr int kFailed = 102;
constexpr int kTimedOut = 103;
constexpr int kProgramRunLimitMs = 180000;

// Fields grow by insertion; beyond this the next typing replaces the text instead.
constexpr qsizetype kLongestField = 3 * kHugeTextLength;

const char* const kHookedProperty = "zorimexMonkeyHooked";

/// The window number of a top-level window named Form1..Form7, else 0.
int FormNumberOf(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget || !widget->isWindow())
        return 0;
    static const QRegularExpression formName(QStringLiteral("^Form([1-7])$"));
    const auto match = formName.match(widget->objectName());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

bool IsControl(const QWidget* widget) {
    static const QRegularExpression controlName(
        QStringLiteral("^(Text|Command|Label|Option|Picture|Image|Line|cmdOK|WebBrowser)\\d*$"));
    return controlName.match(widget->objectName()).hasMatch();
}

/// The end commands that are buttons: the × of the start-up window and of the main window.
bool IsEndButton(const QWidget* control) {
    const int form = FormNumberOf(control->window());
    return (form == ui::Form1::kNumber && control->objectName() == QLatin1String("Command2")) ||
           (form == ui::Form2::kNumber && control->objectName() == QLatin1String("Command5"));
}

/// A text short enough for a log line.
QString Shown(const QString& text) {
    QString head = text.left(40);
    head.replace(QChar(0), QStringLiteral("\\0"));
    if (text.size() <= 40)
        return QLatin1Char('"') + head + QLatin1Char('"');
    return QStringLiteral("\"%1...\" (%2 characters)").arg(head).arg(text.size());
}

QString Describe(const QWidget* control) {
    return QStringLiteral("%1.%2").arg(control->window()->objectName(), control->objectName());
}

QLineEdit* FieldOf(QWidget* mainWindow, int number) {
    return mainWindow->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
}

QPoint SomewhereIn(QRandomGenerator& random, const QWidget* control) {
    const QRect area = control->rect();
    return {area.left() + static_cast<int>(random.bounded(qMax(1, area.width()))),
            area.top() + static_cast<int>(random.bounded(qMax(1, area.height())))};
}

} // namespace

Monkey::Monkey(quint32 seed, QString driveRoot) : random_(seed), driveRoot_(std::move(driveRoot)) {
    app::ConnectWindows(windows_);
    qApp->installEventFilter(this);
    // One timer for every step: a step still pending when a program run ends never leaks into
    // the next run.
    nextStep_.setSingleShot(true);
    connect(&nextStep_, &QTimer::timeout, this, &Monkey::step);
    // Banners hand their page to the desktop's browser; here the hand-over is only counted.
    // Now and then no browser can be started, and the banner must say so in a box.
    ui::SetExternalBrowser([this](const QUrl& url) {
        ++browserOpens_;
        const QString address = url.toString();
        if (address != QLatin1String(ui::kBulletinBoard) &&
            address != QLatin1String(ui::kMakerSite))
            fail(QStringLiteral("a banner opened %1").arg(address));
        const bool started = below(4) != 0;
        if (!started) {
            ++browserFailuresDue_;
            log(QStringLiteral("(no browser could be started for %1)").arg(address));
        }
        return started;
    });
    // Anything else that hands a page to the desktop (the pane's address link) must not start a
    // real browser either.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openPage");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openPage");
}

Monkey::~Monkey() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    ui::SetExternalBrowser({});
    qApp->removeEventFilter(this);
}

void Monkey::openPage(const QUrl& url) {
    log(QStringLiteral("the desktop was asked to open %1").arg(url.toString()));
}

QString Monkey::run(int events) {
    budget_ = events;
    while (statistics_.events < budget_ && failure_.isEmpty()) {
        if (!startProgram())
            break;
        QTimer limit;
        limit.setSingleShot(true);
        connect(&limit, &QTimer::timeout, this, [this] {
            fail(QStringLiteral("one program run took longer than %1 ms").arg(kProgramRunLimitMs));
            QCoreApplication::exit(kTimedOut);
        });
        limit.start(kProgramRunLimitMs);
        nextStep_.start(0);
        const int exitCode = QApplication::exec();
        nextStep_.stop();
        finishProgram(exitCode);
    }
    return failure_;
}

bool Monkey::startProgram() {
    ++statistics_.programRuns;
    model_ = Fields{};
    mainWindow_ = nullptr;
    loadedBeforeEvent_.clear();
    closesInLastEvent_ = 0;
    waitsForEnd_ = 0;
    exactAmountClicks_ = exactAmountBoxes_ = 0;
    bannerClicks_ = browserOpens_ = browserFailuresDue_ = 0;
    answered_.reset();
    selection_.reset();
    choiceMade_.clear();

    // What the installation or an earlier run left in the preference file.
    static const std::array<QByteArray, 6> firstLines = {"U", "U", "N", "Y", "y", "Y "};
    const QByteArray firstLine = firstLines.at(static_cast<std::size_t>(below(6)));
    const preferences::PreferenceFile preferences{preferences::DriveRoot(driveRoot_)};
    QFile file(preferences.path());
    if (!QDir().mkpath(preferences.folderPath()) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(firstLine + "\r\n") != firstLine.size() + 2) {
        fail(QStringLiteral("cannot prepare %1").arg(preferences.path()));
        return false;
    }
    file.close();
    log(QStringLiteral("program start, or.txt holds \"%1\"").arg(QString::fromLatin1(firstLine)));

    if (const auto exitCode = app::StartProgram(windows_, preferences)) {
        fail(QStringLiteral("start-up failed with exit status %1").arg(*exitCode));
        return false;
    }
    const bool asks = firstLine == "U";
    const bool navigates = firstLine == "Y";
    if (!isShown(ui::Form1::kNumber))
        fail(QStringLiteral("the start-up window is not on the screen"));
    if (asks != isShown(ui::Form7::kNumber))
        fail(QStringLiteral("the consent dialog is %1").arg(asks ? "missing" : "shown"));
    auto* mainWindow = qobject_cast<ui::Form2*>(windows_.loaded(ui::Form2::kNumber));
    if (navigates != (mainWindow != nullptr))
        fail(QStringLiteral("the main window is %1 at start-up")
                 .arg(navigates ? "not loaded" : "loaded"));
    if (mainWindow && (mainWindow->isVisible() || mainWindow->browserPane()->requestedUrl() !=
                                                      QUrl(QLatin1String(ui::kLatestVersionPage))))
        fail(QStringLiteral("the main window is not loaded hidden with its pane on the page"));
    return failure_.isEmpty();
}

void Monkey::finishProgram(int exitCode) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool endCommandRan =
        std::any_of(loadedBeforeEvent_.begin(), loadedBeforeEvent_.end(),
                    [](const LoadedWindow& loaded) { return !loaded.window && !loaded.closed; });
    if (exitCode == kFailed || exitCode == kTimedOut) {
        // failure_ says why
    } else if (endCommandRan) {
        ++statistics_.endedByEndCommand;
        if (exitCode != 0)
            fail(QStringLiteral("an end command ended the program with status %1").arg(exitCode));
        for (int form = 1; form <= 7; ++form)
            if (windows_.loaded(form))
                fail(QStringLiteral("Form%1 is still loaded after an end command").arg(form));
        for (QWidget* window : QApplication::topLevelWidgets())
            if (FormNumberOf(window))
                fail(QStringLiteral("%1 survived an end command").arg(window->objectName()));
    } else if (exitCode == 0) {
        ++statistics_.endedByLastWindow;
        if (!visibleWindows().isEmpty())
            fail(QStringLiteral("the program ended with %1 still on the screen")
                     .arg(visibleWindows().first()->objectName()));
        if (closesInLastEvent_ == 0)
            fail(QStringLiteral("the program ended though no window was closed"));
    } else if (exitCode != kBudgetSpent) {
        fail(QStringLiteral("the event loop returned %1").arg(exitCode));
    }

    // What main() does once the event loop has returned.
    windows_.destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (FormNumberOf(window))
            fail(QStringLiteral("%1 outlived the program").arg(window->objectName()));
}

void Monkey::step() {
    if (failure_.isEmpty())
        checkAfterEvent();
    if (!failure_.isEmpty()) {
        QCoreApplication::exit(kFailed);
        return;
    }
    if (visibleWindows().isEmpty()) {
        // The program ends when its last window has gone; the event loop gets a moment to see it.
        if (++waitsForEnd_ > 20) {
            fail(QStringLiteral("the program goes on running with no window on the screen"));
            QCoreApplication::exit(kFailed);
            return;
        }
        nextStep_.start(5);
        return;
    }
    if (statistics_.events >= budget_) {
        QCoreApplication::exit(kBudgetSpent);
        return;
    }
    hookNewWindows();
    loadedBeforeEvent_.clear();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (FormNumberOf(window))
            loadedBeforeEvent_.push_back({window});
    closesInLastEvent_ = 0;
    ++statistics_.events;
    act();
    nextStep_.start(0);
}

void Monkey::act() {
    const bool mainVisible = isShown(ui::Form2::kNumber);
    const bool selectionVisible = isShown(ui::Form4::kNumber);
    const bool endable = mainVisible || isShown(ui::Form1::kNumber);

    struct Choice {
        void (Monkey::*event)();
        int weight;
        const char* kind;
    };
    const std::array<Choice, 8> choices = {{
        {&Monkey::clickControl, 60, "click"},
        {&Monkey::chooseInSelectionWindow, mainVisible || selectionVisible ? 24 : 0, "choice"},
        {&Monkey::typeIntoField, mainVisible ? 40 : 0, "typing"},
        {&Monkey::pressKey, 24, "key"},
        {&Monkey::activateWindow, 10, "activation"},
        {&Monkey::menuCommand, mainVisible ? 16 : 0, "menu"},
        {&Monkey::closeThroughFrame, 5, "frame close"},
        {&Monkey::endCommand, endable ? 1 : 0, "end command"},
    }};
    int total = 0;
    for (const Choice& choice : choices)
        total += choice.weight;
    int draw = below(total);
    for (const Choice& choice : choices) {
        if (draw < choice.weight) {
            ++statistics_.eventsByKind[QString::fromLatin1(choice.kind)];
            (this->*choice.event)();
            return;
        }
        draw -= choice.weight;
    }
}

bool Monkey::isShown(int form) const {
    return windows_.loaded(form) && windows_.loaded(form)->isVisible();
}

QList<QWidget*> Monkey::visibleWindows() const {
    QList<QWidget*> visible;
    for (int form = 1; form <= 7; ++form)
        for (QWidget* window : QApplication::topLevelWidgets())
            if (FormNumberOf(window) == form && window->isVisible())
                visible << window;
    return visible;
}

void Monkey::clickControl() {
    const QList<QWidget*> windows = visibleWindows();
    QWidget* window = windows.at(below(static_cast<int>(windows.size())));
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (IsControl(child) && child->isVisibleTo(window) && !IsEndButton(child))
            controls << child;
    if (controls.isEmpty()) {
        log(QStringLiteral("click on %1, which has no control").arg(window->objectName()));
        return;
    }
    QWidget* control = controls.at(below(static_cast<int>(controls.size())));
    // Radio buttons react only on their circle; everything else anywhere inside.
    const QPoint where = qobject_cast<QRadioButton*>(control) ? control->rect().center()
                                                              : SomewhereIn(random_, control);
    log(QStringLiteral("click %1 at (%2,%3)").arg(Describe(control)).arg(where.x()).arg(where.y()));
    QTest::mouseClick(control, Qt::LeftButton, {}, where);
}

void Monkey::chooseInSelectionWindow() {
    QWidget* selection = windows_.loaded(ui::Form4::kNumber);
    if (!isShown(ui::Form4::kNumber)) {
        auto* open = windows_.loaded(ui::Form2::kNumber)
                         ->findChild<QAbstractButton*>(QStringLiteral("Command4"));
        log(QStringLiteral("click Form2.Command4 (国を選択)"));
        QTest::mouseClick(open, Qt::LeftButton);
        return;
    }
    const bool label = below(2) == 0;
    const QString name = label ? QStringLiteral("Label%1").arg(1 + below(17))
                               : QStringLiteral("Option%1").arg(1 + below(18));
    auto* control = selection->findChild<QWidget*>(name);
    if (!control) {
        fail(QStringLiteral("the selection window has no %1").arg(name));
        return;
    }
    const QPoint where = label ? SomewhereIn(random_, control) : control->rect().center();
    log(QStringLiteral("choose %1").arg(Describe(control)));
    QTest::mouseClick(control, Qt::LeftButton, {}, where);
}

void Monkey::typeIntoField() {
    QWidget* mainWindow = windows_.loaded(ui::Form2::kNumber);
    // Mostly the amount and the rate, the fields a user has reason to type into.
    const int draw = below(100);
    const int number = draw < 50 ? 1 : draw < 65 ? 5 : 1 + below(11);
    QLineEdit* edit = FieldOf(mainWindow, number);
    const RandomText typed = MakeRandomText(random_);
    if (typed.kind == TextKind::Huge)
        ++statistics_.hugeTexts;

    mainWindow->activateWindow();
    edit->setFocus(Qt::MouseFocusReason);
    const bool replace = below(5) < 2 || edit->text().size() > kLongestField;
    if (replace)
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    else
        edit->setCursorPosition(below(static_cast<int>(edit->text().size()) + 1));
    const QString before = edit->text();
    const qsizetype from =
        edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const qsizetype to = edit->hasSelectedText() ? from + edit->selectedText().size() : from;
    const QString expected = before.left(from) + typed.text + before.mid(to);

    bool plainAscii = typed.text.size() <= 24;
    for (const QChar c : typed.text)
        plainAscii = plainAscii && c.unicode() > 0x20 && c.unicode() < 0x7f;
    const int method = plainAscii ? below(3) : typed.text.size() <= 64 ? 1 + below(2) : 2;
    const char* how = method == 0 ? "types" : method == 1 ? "commits" : "pastes";
    log(QStringLiteral("%1 %2 %3 into Text%4 (%5)")
            .arg(QLatin1String(how), QLatin1String(TextKindName(typed.kind)), Shown(typed.text))
            .arg(number)
            .arg(replace ? QStringLiteral("replacing all") : QStringLiteral("at %1").arg(from)));
    if (method == 0) {
        QTest::keyClicks(edit, typed.text);
    } else if (method == 1) { // what an input method delivers when a conversion is committed
        QInputMethodEvent committed;
        committed.setCommitString(typed.text);
        QApplication::sendEvent(edit, &committed);
    } else {
        QGuiApplication::clipboard()->setText(typed.text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    // Whatever the user types arrives whole: no field limits its length or drops characters.
    if (edit->text() != expected)
        fail(QStringLiteral("Text%1 holds %2 after typing, not %3")
                 .arg(number)
                 .arg(Shown(edit->text()), Shown(expected)));
    // Typing is the user's business; the model takes whatever the field now holds.
    model_[*FieldFromNumber(number)] = edit->text().toStdString();
}

void Monkey::pressKey() {
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
        bool edits; // changes the text of a focused field
    };
    static const std::array<Key, 12> keys = {{
        {Qt::Key_Tab, Qt::NoModifier, "Tab", false},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab", false},
        {Qt::Key_Return, Qt::NoModifier, "Enter", false},
        {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter", false},
        {Qt::Key_Escape, Qt::NoModifier, "Esc", false},
        {Qt::Key_Space, Qt::NoModifier, "Space", true},
        {Qt::Key_Up, Qt::NoModifier, "Up", false},
        {Qt::Key_Down, Qt::NoModifier, "Down", false},
        {Qt::Key_Left, Qt::NoModifier, "Left", false},
        {Qt::Key_Right, Qt::NoModifier, "Right", false},
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace", true},
        {Qt::Key_Delete, Qt::NoModifier, "Delete", true},
    }};
    const Key& key = keys.at(static_cast<std::size_t>(below(static_cast<int>(keys.size()))));
    if (!QApplication::activeWindow()) {
        // Keys go to the active window; with none the user first clicks into one, and the
        // platform makes it active on its own time.
        activateWindow();
        return;
    }
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target) {
        log(QStringLiteral("%1 with no window active").arg(QLatin1String(key.name)));
        return;
    }
    QPointer<QLineEdit> field = qobject_cast<QLineEdit*>(target);
    const std::optional<Field> edited = field && FormNumberOf(field->window()) == ui::Form2::kNumber
                                            ? FieldFromName(field->objectName().toStdString())
                                            : std::nullopt;
    log(QStringLiteral("%1 to %2").arg(QLatin1String(key.name), Describe(target)));
    QTest::keyClick(target, key.key, key.modifiers);
    if (edited && key.edits && field) {
        followMainWindow();
        model_[*edited] = field->text().toStdString();
    }
}

void Monkey::activateWindow() {
    const QList<QWidget*> windows = visibleWindows();
    QWidget* window = windows.at(below(static_cast<int>(windows.size())));
    log(QStringLiteral("activate %1").arg(window->objectName()));
    window->activateWindow();
}

void Monkey::menuCommand() {
    static const std::array<const char*, 3> commands = {"pk", "hotel", "version"};
    const QString name = QLatin1String(commands.at(static_cast<std::size_t>(below(3))));
    auto* action = windows_.loaded(ui::Form2::kNumber)->findChild<QAction*>(name);
    if (!action) {
        fail(QStringLiteral("the main window has no menu command %1").arg(name));
        return;
    }
    log(QStringLiteral("menu %1 (%2)").arg(name, action->text()));
    action->trigger();
}

void Monkey::closeThroughFrame() {
    const QList<QWidget*> windows = visibleWindows();
    QWidget* window = windows.at(below(static_cast<int>(windows.size())));
    log(QStringLiteral("close %1 through its frame").arg(window->objectName()));
    window->close();
}

void Monkey::endCommand() {
    std::vector<std::pair<QWidget*, QString>> commands;
    if (isShown(ui::Form1::kNumber))
        commands.emplace_back(windows_.loaded(ui::Form1::kNumber), QStringLiteral("Command2"));
    if (isShown(ui::Form2::kNumber)) {
        commands.emplace_back(windows_.loaded(ui::Form2::kNumber), QStringLiteral("Command5"));
        commands.emplace_back(windows_.loaded(ui::Form2::kNumber), QStringLiteral("finish"));
    }
    const auto& [window, name] =
        commands.at(static_cast<std::size_t>(below(static_cast<int>(commands.size()))));
    log(QStringLiteral("end command %1.%2").arg(window->objectName(), name));
    if (auto* action = window->findChild<QAction*>(name))
        action->trigger();
    else
        QTest::mouseClick(window->findChild<QAbstractButton*>(name), Qt::LeftButton);
}

void Monkey::followMainWindow() {
    QWidget* current = windows_.loaded(ui::Form2::kNumber);
    if (current == mainWindow_.data())
        return;
    mainWindow_ = current;
    if (current) {
        model_ = Fields{}; // a fresh main window starts with every field empty
        log(QStringLiteral("(a new main window: every field empty)"));
    }
}

void Monkey::hookNewWindows() {
    for (int form = 1; form <= 7; ++form) {
        QWidget* window = windows_.loaded(form);
        if (!window || window->property(kHookedProperty).toBool())
            continue;
        window->setProperty(kHookedProperty, true);
        if (form == ui::Form2::kNumber) {
            // Connected after the window's own handlers, so the model follows each action.
            const std::array<std::pair<const char*, void (*)(Fields&)>, 3> actions = {
                {{"Command1", &Convert}, {"Command2", &DollarWithTax}, {"Command3", &YenWithTax}}};
            for (const auto& [name, action] : actions) {
                auto* button = window->findChild<QAbstractButton*>(QLatin1String(name));
                connect(button, &QAbstractButton::clicked, this, [this, run = action] {
                    followMainWindow();
                    run(model_);
                });
            }
            connect(window->findChild<QAbstractButton*>(QStringLiteral("Command6")),
                    &QAbstractButton::clicked, this, [this] { ++exactAmountClicks_; });
            for (auto* banner : window->findChildren<ui::ClickableImage*>())
                connect(banner, &ui::ClickableImage::clicked, this, [this] { ++bannerClicks_; });
        } else if (form == ui::Form4::kNumber) {
            const auto choose = [this](const QString& name) {
                followMainWindow();
                for (const CurrencyRow& currency : kCurrencyRows) {
                    const bool fromList = name == QStringLiteral("Label%1").arg(currency.row);
                    if (fromList || name == QStringLiteral("Option%1").arg(currency.option)) {
                        model_[Field::Text5] = fromList ? currency.listRate : currency.mapRate;
                        model_[Field::Text6] = currency.name;
                        ++statistics_.currencyChoices;
                        choiceMade_ = name;
                    }
                }
            };
            for (auto* label : window->findChildren<ui::ClickableLabel*>())
                connect(label, &ui::ClickableLabel::clicked, this,
                        [choose, name = label->objectName()] { choose(name); });
            for (auto* option : window->findChildren<QRadioButton*>())
                connect(option, &QRadioButton::clicked, this,
                        [choose, name = option->objectName()] { choose(name); });
        } else if (form == ui::Form7::kNumber) {
            auto* dialog = qobject_cast<ui::Form7*>(window);
            connect(dialog, &ui::Form7::yesChosen, this, [this] { answered_ = 'Y'; });
            connect(dialog, &ui::Form7::noChosen, this, [this] { answered_ = 'N'; });
        }
    }
}

void Monkey::checkAfterEvent() {
    // Windows that were unloaded go away now, as they do once the event loop has them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    followMainWindow();
    checkWindowCounts();
    checkMainWindowFields();
    checkSelection();
    if (exactAmountBoxes_ != exactAmountClicks_)
        fail(QStringLiteral("%1 presses of もっと正確！ showed %2 message boxes")
                 .arg(exactAmountClicks_)
                 .arg(exactAmountBoxes_));
    if (bannerClicks_ != browserOpens_)
        fail(QStringLiteral("%1 banner clicks opened %2 browsers")
                 .arg(bannerClicks_)
                 .arg(browserOpens_));
    if (browserFailuresDue_ > 0)
        fail(QStringLiteral("a browser that could not be started went unreported"));
    if (QWidget* modal = QApplication::activeModalWidget())
        fail(QStringLiteral("a modal window stayed open: %1").arg(modal->objectName()));
    if (answered_) {
        const preferences::PreferenceFile preferences{preferences::DriveRoot(driveRoot_)};
        QFile file(preferences.path());
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : "<none>";
        if (content != QByteArray(1, *answered_) + "\r\n")
            fail(QStringLiteral("after the answer %1 or.txt holds %2")
                     .arg(QLatin1Char(*answered_))
                     .arg(QString::fromLatin1(content.toPercentEncoding())));
        if (windows_.loaded(ui::Form7::kNumber))
            fail(QStringLiteral("the consent dialog stayed after its answer"));
        auto* mainWindow = qobject_cast<ui::Form2*>(windows_.loaded(ui::Form2::kNumber));
        if (*answered_ == 'Y' && (!mainWindow || mainWindow->browserPane()->requestedUrl() !=
                                                     QUrl(QLatin1String(ui::kLatestVersionPage))))
            fail(QStringLiteral("はい left the main window's pane without the page"));
        answered_.reset();
    }
}

void Monkey::checkSelection() {
    // The map selection may only move onto a country by a choice of that country, whether the
    // mouse or the keyboard moved it.
    QString selected;
    if (QWidget* selection = windows_.loaded(ui::Form4::kNumber))
        for (auto* option : selection->findChildren<QRadioButton*>())
            if (option->isChecked())
                selected = option->objectName();
    if (selection_ && !selected.isEmpty() && selected != selection_.value() &&
        selected != QLatin1String("Option1") && selected != choiceMade_)
        fail(QStringLiteral("the map selection moved to %1 without choosing it").arg(selected));
    selection_ = selected;

    // After a choice the main window is in front, the selection window still open behind it.
    if (!choiceMade_.isEmpty()) {
        if (!isShown(ui::Form2::kNumber))
            fail(QStringLiteral("the main window is not shown after choosing %1").arg(choiceMade_));
        else if (!QTest::qWaitForWindowActive(windows_.loaded(ui::Form2::kNumber)))
            fail(QStringLiteral("the main window is not the active window after choosing %1")
                     .arg(choiceMade_));
        if (!isShown(ui::Form4::kNumber))
            fail(QStringLiteral("the selection window went away with the choice"));
    }
    choiceMade_.clear();
}

void Monkey::checkWindowCounts() {
    std::array<int, 8> instances{};
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const int form = FormNumberOf(window);
        if (!form)
            continue;
        ++instances.at(static_cast<std::size_t>(form));
        if (windows_.loaded(form) != window)
            fail(QStringLiteral("%1 lives on after it was unloaded").arg(window->objectName()));
        if (window->parentWidget())
            fail(QStringLiteral("%1 has an owner").arg(window->objectName()));
    }
    for (int form = 1; form <= 7; ++form)
        if (instances.at(static_cast<std::size_t>(form)) > 1)
            fail(QStringLiteral("%1 instances of Form%2")
                     .arg(instances.at(static_cast<std::size_t>(form)))
                     .arg(form));
}

void Monkey::checkMainWindowFields() {
    QWidget* mainWindow = windows_.loaded(ui::Form2::kNumber);
    if (!mainWindow)
        return;
    for (int number = 1; number <= kFieldCount; ++number) {
        const QLineEdit* edit = FieldOf(mainWindow, number);
        if (!edit) {
            fail(QStringLiteral("the main window has no Text%1").arg(number));
            return;
        }
        const std::string& expected = model_[*FieldFromNumber(number)];
        if (edit->text().toStdString() != expected)
            fail(QStringLiteral("Text%1 holds %2 where the rules give %3")
                     .arg(number)
                     .arg(Shown(edit->text()), Shown(QString::fromStdString(expected))));
    }
}

void Monkey::onMessageBoxShown(QMessageBox* box) {
    if (box->objectName() == QLatin1String("ExactAmountMessage")) {
        ++exactAmountBoxes_;
        ++statistics_.exactAmountMessages;
        const Message expected = ExactAmountMessage(model_);
        if (box->text().toStdString() != expected.text ||
            box->windowTitle().toStdString() != expected.title)
            fail(QStringLiteral("the exact amount box shows %1 titled %2, not %3 titled %4")
                     .arg(Shown(box->text()), Shown(box->windowTitle()),
                          Shown(QString::fromStdString(expected.text)),
                          Shown(QString::fromStdString(expected.title))));
        if (box->buttons().size() != 1 || box->icon() != QMessageBox::NoIcon || !box->isModal())
            fail(QStringLiteral("the exact amount box is not a modal box with one button"));
    } else if (browserFailuresDue_ > 0 && box->windowTitle() == QLatin1String(kApplicationTitle) &&
               box->text().startsWith(
                   QStringLiteral("エラー %1:").arg(failure::error_number::kBrowserNotStarted))) {
        --browserFailuresDue_;
        ++statistics_.browserFailureReports;
    } else {
        fail(QStringLiteral("an unexpected message box: %1 %2")
                 .arg(Shown(box->windowTitle()), Shown(box->text())));
    }
    log(QStringLiteral("(message box %1 closed with OK)").arg(Shown(box->text())));
    QTimer::singleShot(0, box, [box] {
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
}

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched))
            onMessageBoxShown(box);
    } else if (event->type() == QEvent::Close && FormNumberOf(watched)) {
        ++closesInLastEvent_;
        for (LoadedWindow& loaded : loadedBeforeEvent_)
            if (loaded.window == watched)
                loaded.closed = true;
    }
    return QObject::eventFilter(watched, event);
}

void Monkey::log(const QString& what) {
    recentEvents_ << QStringLiteral("#%1 %2").arg(statistics_.events).arg(what);
    static const bool traced = qEnvironmentVariableIsSet("ZORIMEX_MONKEY_TRACE");
    if (traced)
        std::fprintf(stderr, "%s\n", qPrintable(recentEvents_.last()));
    while (recentEvents_.size() > 40)
        recentEvents_.removeFirst();
}

void Monkey::fail(const QString& why) {
    if (!failure_.isEmpty())
        return;
    failure_ =
        QStringLiteral("after event %1 (program run %2): %3\nthe events that led there:\n  %4")
            .arg(statistics_.events)
            .arg(statistics_.programRuns)
            .arg(why, recentEvents_.join(QStringLiteral("\n  ")));
}

} // namespace zorimex::test
