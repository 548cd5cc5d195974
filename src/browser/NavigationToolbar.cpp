#include "browser/NavigationToolbar.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QToolButton>

#include "browser/NavigationIcons.h"

namespace {

constexpr int kButtonHeight = 42;
constexpr int kBoxHeight = 21;

struct ButtonDesign {
    const char* objectName;
    const char* toolTip;
    NavigationIcons::Picture picture;
    LayoutProfile::Span LayoutProfile::*span;
};

const ButtonDesign kButtons[NavigationToolbar::ButtonCount] = {
    {"Command10", "Back", NavigationIcons::Picture::Back, &LayoutProfile::back},
    {"Command11", "Forward", NavigationIcons::Picture::Forward, &LayoutProfile::forward},
    {"Command12", "Home", NavigationIcons::Picture::Home, &LayoutProfile::home},
    {"Command13", "Execute", NavigationIcons::Picture::Execute, &LayoutProfile::execute},
    {"Command14", "Print", NavigationIcons::Picture::Print, &LayoutProfile::print},
    {"Command15", "Stop", NavigationIcons::Picture::Stop, &LayoutProfile::stop},
    {"Command16", "Refresh", NavigationIcons::Picture::Refresh, &LayoutProfile::refresh},
};

}  // namespace

NavigationToolbar::NavigationToolbar(const LayoutProfile& profile, QWidget* client)
    : m_profile(profile),
      m_background(new QFrame(client)),
      m_line(new QFrame(client)),
      m_address(new QComboBox(client)),
      m_quickLinks(new QComboBox(client)) {
    const int width = profile.clientSize.width();
    m_background->setObjectName(QStringLiteral("Picture2"));
    m_background->setGeometry(0, 0, width, kButtonHeight);
    m_background->setAutoFillBackground(true);
    m_line->setObjectName(QStringLiteral("Line2"));
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Sunken);
    m_line->setGeometry(0, kButtonHeight - 1, width, 2);

    for (const ButtonDesign& design : kButtons) {
        auto* button = new QToolButton(client);
        button->setObjectName(QLatin1String(design.objectName));
        button->setToolTip(QLatin1String(design.toolTip));
        button->setIcon(NavigationIcons::icon(design.picture));
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        const LayoutProfile::Span span = profile.*design.span;
        button->setGeometry(span.left, 0, span.width, kButtonHeight);
        m_buttons.append(button);
    }

    m_address->setObjectName(QStringLiteral("cboAddress"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setGeometry(profile.address.left, profile.boxTop, profile.address.width, kBoxHeight);

    m_quickLinks->setObjectName(QStringLiteral("Combo1"));
    m_quickLinks->setEditable(true);
    m_quickLinks->lineEdit()->setReadOnly(true);
    m_quickLinks->setInsertPolicy(QComboBox::NoInsert);
    m_quickLinks->setToolTip(QStringLiteral("Quick Links"));
    m_quickLinks->setGeometry(profile.quickLinks.left, profile.boxTop, profile.quickLinks.width,
                              kBoxHeight);
}

void NavigationToolbar::setShown(bool shown) {
    m_shown = shown;
    apply();
}

void NavigationToolbar::setAddressAllowed(bool allowed) {
    m_addressAllowed = allowed;
    apply();
}

void NavigationToolbar::setAddressFocused(bool focused) {
    m_addressFocused = focused;
    apply();
}

void NavigationToolbar::setQuickLinksFocused(bool focused) {
    m_quickLinksFocused = focused;
    apply();
}

bool NavigationToolbar::quickLinksWiden() const {
    const LayoutProfile::Span rest = m_profile.quickLinks;
    const LayoutProfile::Span wide = m_profile.quickLinksFocused;
    return wide.left != rest.left || wide.width != rest.width;
}

// Hiding a focused box moves the focus, whose handlers call back in here: every step reads
// the facts afresh, so such a nested call and this one agree on the result.
void NavigationToolbar::apply() {
    m_quickLinks->setVisible(m_shown && !m_addressFocused);
    m_address->setVisible(m_shown && m_addressAllowed &&
                          !(m_quickLinksFocused && quickLinksWiden()));
    m_background->setVisible(m_shown);
    m_line->setVisible(m_shown);
    for (QToolButton* button : m_buttons) button->setVisible(m_shown);

    m_address->resize(m_addressFocused ? m_profile.addressFocusedWidth : m_profile.address.width,
                      kBoxHeight);
    const LayoutProfile::Span place = m_quickLinksFocused && quickLinksWiden()
                                          ? m_profile.quickLinksFocused
                                          : m_profile.quickLinks;
    m_quickLinks->setGeometry(place.left, m_profile.boxTop, place.width, kBoxHeight);
}
