#pragma once

#include <QtTest>
#include <functional>
#include <memory>

#include "FakeWebComponent.h"
#include "TestEnvironment.h"
#include "TestHost.h"
#include "state/LinksDatabase.h"

// Browser windows on the scripted component, in a private environment with an empty
// database. A test class derives from it and calls begin() and end() from init() and cleanup().
class FakeWindowFixture {
protected:
    void begin() {
        m_env = std::make_unique<TestEnvironment>();
        QVERIFY(LinksDatabase::createEmpty(databaseFile()).isEmpty());
    }
    void end() {
        m_host.reset();
        m_env.reset();
    }

    QString databaseFile() const { return m_env->appPath() + QStringLiteral("/Links.mdb"); }

    // A window after its set-up; the component's record of calls starts empty unless the
    // set-up's own calls are wanted.
    BrowserWindow* open(ProfileKind kind = ProfileKind::ZD, bool keepSetUpCalls = false) {
        m_host = std::make_unique<TestHost>(windowContext());
        BrowserWindow* window = m_host->openBrowserWindow(kind);
        if (!keepSetUpCalls) fake(window)->calls.clear();
        return window;
    }

    // The services the windows get, with what `m_addToContext` adds (a time limit, say).
    BrowserContext windowContext() {
        BrowserContext context = m_env->context(FakeWebComponent::factory());
        if (m_addToContext) m_addToContext(context);
        return context;
    }

    static FakeWebComponent* fake(BrowserWindow* window) {
        return static_cast<FakeWebComponent*>(window->webComponent());
    }

    template <typename T>
    static T* child(BrowserWindow* window, const char* name) {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no child %s", name);
        return found;
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TestHost> m_host;
    std::function<void(BrowserContext&)> m_addToContext;
};
