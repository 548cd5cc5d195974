#pragma once

#include <QStringList>

#include "platform/FormOpener.h"

// Records which form was asked for, in order, instead of opening it.
class RecordingFormOpener : public FormOpener {
public:
    bool openWizard(QWidget*, const QString& buttonCapacity) override {
        opened << QStringLiteral("Form1");
        capacities << buttonCapacity;
        return wizardShown;
    }
    void openVisitLog(QWidget*) override { opened << QStringLiteral("frmTip1"); }
    void openDomainEditor(QWidget*, DomainEditorHost&) override {
        opened << QStringLiteral("Form8");
    }
    void openAbout(QWidget*) override { opened << QStringLiteral("frmAbout"); }
    void openCompanyProfile(QWidget*) override { opened << QStringLiteral("company"); }
    void openTipOfTheDay(QWidget*) override { opened << QStringLiteral("frmTip"); }
    void openSetLimit(QWidget*) override { opened << QStringLiteral("SetLimitDialog"); }
    void openReminders(QWidget*) override { opened << QStringLiteral("RemindersDialog"); }

    QStringList opened, capacities;
    bool wizardShown = true;
};
