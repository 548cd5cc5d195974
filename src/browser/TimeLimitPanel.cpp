#include "browser/TimeLimitPanel.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "timelimit/TimeLimitRules.h"
#include "timelimit/TimeLimitTexts.h"

TimeLimitPanel::TimeLimitPanel(QWidget* covered)
    : QFrame(covered->parentWidget()),
      m_covered(covered),
      m_title(new QLabel(kTitle, this)),
      m_resume(new QLabel(this)),
      m_grant(new QPushButton(QStringLiteral("&Grant Extra Time..."), this)) {
    setObjectName(QStringLiteral("TimeLimitPanel"));
    m_title->setObjectName(QStringLiteral("lblTimeLimitTitle"));
    m_resume->setObjectName(QStringLiteral("lblTimeLimitResume"));
    m_grant->setObjectName(QStringLiteral("cmdGrantTime"));
    m_grant->setToolTip(QStringLiteral("The administrator password is asked first."));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    for (QLabel* label : {m_title, m_resume}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_title);
    layout->addWidget(m_resume);
    layout->addWidget(m_grant, 0, Qt::AlignHCenter);
    layout->addStretch();

    m_grant->hide();
    connect(m_grant, &QPushButton::clicked, this, &TimeLimitPanel::grantRequested);
    covered->installEventFilter(this);
    followCovered();
    hide();
}

void TimeLimitPanel::showState(const TimeLimitRules::State& state, const QTimeZone& zone) {
    m_resume->setText(state.allowed ? QString() : TimeLimitTexts::resumeText(state, zone));
    setVisible(!state.allowed);
    if (!state.allowed) {
        followCovered();
        raise();
    }
}

void TimeLimitPanel::setGrantOffered(bool offered) {
    m_grant->setVisible(offered);
}

bool TimeLimitPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_covered && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        followCovered();
    return QFrame::eventFilter(watched, event);
}

void TimeLimitPanel::followCovered() {
    if (m_covered) setGeometry(m_covered->geometry());
}
