#include "platform/WebComponent.h"

WebComponent::~WebComponent() = default;

WebComponent* WebComponent::requestNewWindow() const {
    return m_newWindowHandler ? m_newWindowHandler() : nullptr;
}
