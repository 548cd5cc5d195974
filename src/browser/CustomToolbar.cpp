#include "browser/CustomToolbar.h"

#include <QFrame>
#include <QPixmap>
#include <QToolButton>

#include "browser/CustomCommand.h"
#include "platform/ProcessLauncher.h"
#include "platform/WebComponent.h"
#include "state/ToolbarSlots.h"

namespace {

constexpr int kButtonHeight = 42;
constexpr int kPictureMargin = 4;

}  // namespace

CustomToolbar::CustomToolbar(const LayoutProfile& profile, QWidget* client, SettingsStore& settings,
                             WebComponent& web, ProcessLauncher& launcher)
    : QObject(client),
      m_profile(profile),
      m_settings(settings),
      m_web(web),
      m_launcher(launcher),
      m_back(new QFrame(client)) {
    m_back->setObjectName(QStringLiteral("CustomToolBarBack"));
    m_back->setFrameShape(QFrame::StyledPanel);
    m_back->setGeometry(0, profile.customRowTop, profile.clientSize.width(), kButtonHeight);

    for (int slot = 0; slot < profile.customButtonSlots; ++slot) {
        auto* button = new QToolButton(client);
        button->setObjectName(QStringLiteral("ToolButton"));
        button->setProperty("index", slot);
        // Flat until pointed at, so an unused slot shows as empty space; used ones stand out.
        button->setAutoRaise(true);
        if (slot < profile.customButtons) {
            button->setGeometry(slot * profile.customButtonWidth, profile.customRowTop,
                                profile.customButtonWidth, kButtonHeight);
        } else {
            button->setGeometry(
                QRect(profile.customSpareSpot, QSize(profile.customButtonWidth, kButtonHeight)));
            button->hide();
        }
        connect(button, &QToolButton::clicked, this, [this, slot] { click(slot); });
        m_buttons.append(button);
    }
}

void CustomToolbar::load() {
    const QList<ToolbarButton> row = ToolbarSlots(m_settings).usedRow();
    for (int slot = 0; slot < row.size() && slot < m_buttons.size(); ++slot) {
        QToolButton* button = m_buttons[slot];
        button->show();
        button->setAutoRaise(false);
        // Spare buttons of the small layout sit over the page when they come into use.
        button->raise();
        const QPixmap picture(row[slot].picture);
        if (!picture.isNull()) {
            button->setIcon(QIcon(picture));
            button->setIconSize(picture.size().boundedTo(button->size().shrunkBy(
                QMargins(kPictureMargin, kPictureMargin, kPictureMargin, kPictureMargin))));
        }
        button->setToolTip(row[slot].name);
    }
}

void CustomToolbar::click(int slot) {
    const QString command = ToolbarSlots(m_settings).commandLine(slot);
    if (command.isEmpty()) return;
    if (CustomCommand::isWebAddress(command)) {
        m_web.Navigate(command);
    } else {
        m_launcher.launch(command);
    }
}

void CustomToolbar::setRowVisible(bool visible) {
    m_back->setVisible(visible);
    for (int i = 0; i < m_profile.customButtons; ++i) m_buttons[i]->setVisible(visible);
}

void CustomToolbar::setRowTop(int top) {
    m_back->move(0, top);
    for (int i = 0; i < m_profile.customButtons; ++i) m_buttons[i]->move(m_buttons[i]->x(), top);
}

bool CustomToolbar::rowVisible() const {
    return !m_buttons.first()->isHidden();
}
