#pragma once

#include <QString>
#include <QWidget>

#include "platform/WebComponent.h"

// A component whose part in a navigation costs nothing: every command does nothing, and
// the address is whatever was set last.
class StubWebComponent : public WebComponent {
public:
    explicit StubWebComponent(QString location = {}, QWidget* widget = nullptr)
        : m_location(std::move(location)), m_widget(widget) {}
    QWidget* widget() const override { return m_widget; }
    void Navigate(const QString&) override {}
    void GoBack() override {}
    bool CanGoBack() const override { return true; }
    void GoForward() override {}
    void Refresh() override {}
    void Stop() override {}
    bool Busy() const override { return false; }
    QString LocationURL() const override { return m_location; }
    QString LocationName() const override { return QString(); }
    void Print(std::shared_ptr<QPrinter>) override {}
    void PrintToPdf(const QString&, const QPageLayout&) override {}
    CommandStatus QueryStatusWB(Command) const override { return CommandStatus::QueryFailed; }
    void ExecWB(Command, const QString&) override {}
    void show() override {
        if (m_widget) m_widget->show();
    }
    void hide() override {
        if (m_widget) m_widget->hide();
    }
    bool isShown() const override { return !m_widget || !m_widget->isHidden(); }

protected:
    QString m_location;

private:
    QWidget* m_widget;
};
