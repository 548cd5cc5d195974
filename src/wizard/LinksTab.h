#pragma once

#include <QWidget>
#include <memory>

#include "dialogs/RecordEditor.h"
#include "editors/QuickLinkRecords.h"
#include "platform/AppServices.h"

class RecordEditorBinder;

namespace Ui {
class LinksTab;
}

// The wizard's "Links" tab: the quick-link editor. Its modes are the record editor's, shared
// with the domain list editor; its database commands and their failures are QuickLinkRecords'.
class LinksTab : public QWidget {
    Q_OBJECT

public:
    explicit LinksTab(const AppServices& services, QWidget* parent = nullptr);
    ~LinksTab() override;

    // Fills the list in key order and empties and locks both boxes; run at the wizard's
    // start-up and after every change.
    void loadQuickLinkList();

    const RecordEditor& editor() const { return m_editor; }

signals:
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showQuickLink();
    void newRecord();
    void addRecord();
    void cancelAddNew();
    void editSelected();
    void saveEdit();
    void stopEditing();
    void deleteSelected();

    QString selectedText() const;
    void applyStates();
    void setBoxes(const QString& name, const QString& url);
    // Shows the outcome's message and runs the reload it asks for.
    void finish(const QuickLinkOutcome& outcome);
    void moveFocusOnFrom(QObject* field);

    std::unique_ptr<Ui::LinksTab> m_ui;
    AppServices m_services;
    QuickLinkRecords m_records;
    RecordEditor m_editor;
    std::unique_ptr<RecordEditorBinder> m_binder;
};
