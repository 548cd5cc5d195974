#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;
class QTimeZone;
namespace TimeLimitRules {
struct State;
}

// The native panel that covers a browser window's page while the daily time limit stops
// browsing, saying when browsing is possible again. It lies over the covered widget as a
// sibling, so that the page under it may be hidden by the browsing policy.
class TimeLimitPanel : public QFrame {
    Q_OBJECT
public:
    static inline const QString kTitle = QStringLiteral("Browsing time is over for now.");

    explicit TimeLimitPanel(QWidget* covered);

    // Shows what the state says, and shows or hides the panel with it.
    void showState(const TimeLimitRules::State& state, const QTimeZone& zone);
    // The grant button is offered only where an administrator password is set.
    void setGrantOffered(bool offered);

signals:
    void grantRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followCovered();

    QPointer<QWidget> m_covered;
    QLabel* m_title;
    QLabel* m_resume;
    QPushButton* m_grant;
};
