#pragma once

#include <QFrame>

class QLabel;
class QTimer;
class QToolButton;

// A short notice along the top of a browser window's page that does not block: time-limit
// warnings and reminders. It closes by itself after a while, or by its close button; a new
// notice replaces the one shown.
class BrowserNotice : public QFrame {
    Q_OBJECT
public:
    static constexpr int kShownMs = 15 * 1000;

    // Lies over the top edge of `covered`, as its sibling.
    explicit BrowserNotice(QWidget* covered);

    void showNotice(const QString& text);
    QString text() const;
    QTimer* closeTimer() const { return m_closeTimer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followCovered();

    QWidget* m_covered;
    QLabel* m_text;
    QToolButton* m_close;
    QTimer* m_closeTimer;
};
