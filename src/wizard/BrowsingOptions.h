#pragma once

#include <QString>
#include <optional>

#include "platform/AppServices.h"

class QWidget;

// The browsing options of the wizard's first tab without their widgets: what each click
// shows and writes. Keys the system settings file locks are never written.
class BrowsingOptions {
public:
    explicit BrowsingOptions(const AppServices& services);

    static QString restrictionCaption(bool inForce);
    bool restrictionInForce() const;
    bool manualBrowsingStored() const;
    bool disneyStored() const;
    QString homePage() const;

    void saveHomePage(const QString& text) const;
    // Message, then the stored flag.
    void manualBrowsingClicked(QWidget* parent, bool ticked) const;
    // The enabling sequence; gives the start page to show.
    QString enableDisney(QWidget* parent) const;
    // The disabling sequence; gives the start page to show, if it changes.
    std::optional<QString> disableDisney(QWidget* parent) const;
    // The toggle pressed while `caption` shows; gives the state now in force, or nothing
    // when it could not change.
    std::optional<bool> toggleRestriction(QWidget* parent, const QString& caption) const;

private:
    bool locked(const char* section, const char* key) const;
    void write(const char* section, const char* key, const QString& value) const;
    void message(QWidget* parent, const QString& text) const;

    AppServices m_services;
};
