#pragma once

#include <QList>
#include <QObject>

#include "browser/LayoutProfile.h"

class ProcessLauncher;
class QFrame;
class QToolButton;
class QWidget;
class SettingsStore;
class WebComponent;

// The administrator's row of picture buttons under the navigation toolbar. Each button
// runs the command line of its slot: an address for the web component, or a program.
class CustomToolbar : public QObject {
    Q_OBJECT
public:
    CustomToolbar(const LayoutProfile& profile, QWidget* client, SettingsStore& settings,
                  WebComponent& web, ProcessLauncher& launcher);

    // Gives the buttons of the used slots, from slot 0 to the first empty name, their
    // picture and tool tip, and shows them.
    void load();
    // Runs the command of a slot.
    void click(int slot);

    // The row's buttons (the first `customButtons` of the layout) and their background.
    void setRowVisible(bool visible);
    void setRowTop(int top);
    bool rowVisible() const;

    const QList<QToolButton*>& buttons() const { return m_buttons; }

private:
    const LayoutProfile& m_profile;
    SettingsStore& m_settings;
    WebComponent& m_web;
    ProcessLauncher& m_launcher;
    QFrame* m_back;
    QList<QToolButton*> m_buttons;
};
