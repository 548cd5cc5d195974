#pragma once

// What the browsing policy asks before it lets a page be seen: whether browsing is allowed
// at all right now. The daily time limit answers it.
class BrowsingGate {
public:
    virtual ~BrowsingGate() = default;
    virtual bool browsingAllowed() const = 0;
};
