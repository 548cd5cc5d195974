#include "browser/BrowserNotice.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

BrowserNotice::BrowserNotice(QWidget* covered)
    : QFrame(covered->parentWidget()),
      m_covered(covered),
      m_text(new QLabel(this)),
      m_close(new QToolButton(this)),
      m_closeTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("BrowserNotice"));
    m_text->setObjectName(QStringLiteral("lblNotice"));
    m_close->setObjectName(QStringLiteral("cmdCloseNotice"));
    m_close->setText(QStringLiteral("X"));
    m_close->setToolTip(QStringLiteral("Close this notice"));
    m_close->setAutoRaise(true);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    m_text->setForegroundRole(QPalette::ToolTipText);
    m_text->setWordWrap(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_close, 0, Qt::AlignTop);

    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(kShownMs);
    connect(m_closeTimer, &QTimer::timeout, this, &QWidget::hide);
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);
    covered->installEventFilter(this);
    hide();
}

void BrowserNotice::showNotice(const QString& text) {
    m_text->setText(text);
    followCovered();
    show();
    raise();
    m_closeTimer->start();
}

QString BrowserNotice::text() const {
    return m_text->text();
}

bool BrowserNotice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_covered && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        followCovered();
    return QFrame::eventFilter(watched, event);
}

void BrowserNotice::followCovered() {
    const QRect area = m_covered->geometry();
    const int height =
        qMin(area.height(),
             heightForWidth(area.width()) > 0 ? heightForWidth(area.width()) : sizeHint().height());
    setGeometry(area.x(), area.y(), area.width(), height);
}
