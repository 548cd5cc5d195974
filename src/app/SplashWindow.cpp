#include "app/SplashWindow.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr QSize kSplashSize(420, 240);

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_version(new QLabel(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kSplashSize);

    auto* title = new QLabel(tr("Zelvo Browser"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* notice = new QLabel(tr("A browser for family computers, classrooms and kiosks.\n"
                                 "Copyright \u00a9 Zelvo. All rights reserved."),
                              this);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_version->setText(versionText());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28, 28, 20);
    layout->addWidget(title);
    layout->addStretch();
    layout->addWidget(notice);
    layout->addWidget(m_version);
    for (QLabel* label : {title, notice, m_version}) {
        label->setStyleSheet(QStringLiteral("color: white;"));
    }

    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QString SplashWindow::versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(ZELVO_VERSION_MAJOR)
        .arg(ZELVO_VERSION_MINOR)
        .arg(ZELVO_VERSION_PATCH);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), height());
    gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    gradient.setColorAt(1, QColor(0x2e, 0x9c, 0x8f));
    painter.fillRect(rect(), gradient);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 2));
    painter.drawRect(rect().adjusted(6, 6, -7, -7));
}
