#include "FakeWebComponent.h"

FakeWebComponent::FakeWebComponent(QWidget* parent) : m_widget(new QWidget(parent)) {
    m_widget->setObjectName(QStringLiteral("WebBrowser1"));
    instances().append(this);
}

FakeWebComponent::~FakeWebComponent() {
    instances().removeAll(this);
    delete m_widget;
}

void FakeWebComponent::Navigate(const QString& address) {
    calls << QStringLiteral("Navigate ") + address;
}

void FakeWebComponent::GoBack() {
    calls << QStringLiteral("GoBack");
}
void FakeWebComponent::GoForward() {
    calls << QStringLiteral("GoForward");
}
void FakeWebComponent::Refresh() {
    calls << QStringLiteral("Refresh");
}
void FakeWebComponent::Stop() {
    calls << QStringLiteral("Stop");
}

WebComponent::CommandStatus FakeWebComponent::QueryStatusWB(Command command) const {
    const CommandStatus loaded =
        location.isEmpty() ? CommandStatus::QueryFailed : CommandStatus::Enabled;
    return statuses.value(command, loaded);
}

void FakeWebComponent::ExecWB(Command command, const QString& filePath) {
    static const char* const names[] = {"SaveAs", "PageSetup", "Print",
                                        "Copy",   "Paste",     "SelectAll"};
    QString call = QStringLiteral("ExecWB ") + QLatin1String(names[static_cast<int>(command)]);
    if (!filePath.isEmpty()) call += QLatin1Char(' ') + filePath;
    calls << call;
}

void FakeWebComponent::show() {
    calls << QStringLiteral("show");
    m_widget->show();
}

void FakeWebComponent::hide() {
    calls << QStringLiteral("hide");
    m_widget->hide();
}

void FakeWebComponent::completeNavigation(const QString& url) {
    emit BeforeNavigate2(url);
    location = url;
    emit NavigateComplete2(url);
}

WebComponentFactory FakeWebComponent::factory() {
    return [](QWidget* parent) { return std::make_unique<FakeWebComponent>(parent); };
}

QList<FakeWebComponent*>& FakeWebComponent::instances() {
    static QList<FakeWebComponent*> all;
    return all;
}
