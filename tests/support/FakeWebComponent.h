#pragma once

#include <QHash>
#include <QPageLayout>
#include <QStringList>
#include <QWidget>

#include "platform/WebComponent.h"

// A scripted web component: records every call in `calls` and raises the events a test asks
// for, the way the engine would.
class FakeWebComponent : public WebComponent {
    Q_OBJECT
public:
    explicit FakeWebComponent(QWidget* parent);
    ~FakeWebComponent() override;

    QWidget* widget() const override { return m_widget; }
    void Navigate(const QString& address) override;
    void GoBack() override;
    bool CanGoBack() const override { return canGoBack; }
    void GoForward() override;
    void Refresh() override;
    void Stop() override;
    bool Busy() const override { return busy; }
    QString LocationURL() const override { return location; }
    QString LocationName() const override { return title; }
    void Print(std::shared_ptr<QPrinter>) override { calls << QStringLiteral("Print"); }
    void PrintToPdf(const QString& filePath, const QPageLayout& layout) override {
        calls << QStringLiteral("PrintToPdf ") + filePath;
        pdfLayout = layout;
    }
    // A scripted status, or else: the query fails until a page is loaded, then succeeds.
    CommandStatus QueryStatusWB(Command command) const override;
    void ExecWB(Command command, const QString& filePath = {}) override;
    void show() override;
    void hide() override;
    bool isShown() const override { return !m_widget->isHidden(); }

    // Raises the engine's events of one whole navigation to `url`.
    void completeNavigation(const QString& url);
    // Raises the new-window request; returns the component the window handed back.
    WebComponent* askForNewWindow() { return requestNewWindow(); }

    static WebComponentFactory factory();
    // The fakes made by factory(), in order of creation.
    static QList<FakeWebComponent*>& instances();

    QStringList calls;
    QHash<Command, CommandStatus> statuses;
    QPageLayout pdfLayout;  // of the last PrintToPdf
    QString location;
    QString title;
    bool busy = false;
    bool canGoBack = true;

private:
    QWidget* m_widget;
};
