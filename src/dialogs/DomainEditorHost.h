#pragma once

#include <QString>

// What the domain list editor reads from the wizard that opened it.
class DomainEditorHost {
public:
    virtual ~DomainEditorHost() = default;
    // The start-page text as it stands in the wizard, saved or not.
    virtual QString startPageText() const = 0;
};
