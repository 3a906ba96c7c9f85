#pragma once
// The main window's browser pane slot. It starts empty and remembers the one page it was told to
// show; the browser itself is loaded on first navigation by the web-pane plugin.

#include <QFrame>
#include <QUrl>

namespace zorimex::ui {

class WebPane : public QFrame {
    Q_OBJECT

public:
    explicit WebPane(QWidget* parent = nullptr);

    /// Starts showing `url`. Returns at once; the page loads by itself.
    void navigate(const QUrl& url);
    /// The last URL passed to navigate(), or an empty URL while the pane is blank.
    QUrl requestedUrl() const { return requestedUrl_; }

signals:
    void navigationRequested(const QUrl& url);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QUrl requestedUrl_;
};

} // namespace zorimex::ui
