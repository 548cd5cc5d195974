#pragma once

#include <QList>
#include <QPointer>

#include "browser/BrowserWindow.h"

// A window host without a frame: each window stands alone, as tests need no MDI area.
class TestHost : public WindowHost {
public:
    explicit TestHost(BrowserContext context) : m_context(std::move(context)) {
        m_context.host = this;
    }
    ~TestHost() override {
        for (const QPointer<BrowserWindow>& window : windows) delete window;
    }

    BrowserWindow* openBrowserWindow(ProfileKind kind) override {
        auto* window = new BrowserWindow(kind, m_context);
        windows.append(window);
        window->setUp();
        return window;
    }

    void arrangeWindows(WindowArrangement arrangement) override {
        arrangements.append(arrangement);
    }

    QList<QPointer<BrowserWindow>> windows;
    QList<WindowArrangement> arrangements;

private:
    BrowserContext m_context;
};
