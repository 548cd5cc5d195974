#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>
#include <optional>

#include "dialogs/RecordEditor.h"
#include "dialogs/RecordEditorBinder.h"
#include "platform/AppServices.h"
#include "state/LinksDatabase.h"

class DomainEditorHost;

namespace Ui {
class DomainListEditor;
}

// `Form8`: lists, adds, edits and deletes the allowed domains. A list that the system
// settings file fixes is shown read-only.
class DomainListEditor : public QDialog {
    Q_OBJECT

public:
    DomainListEditor(const AppServices& services, DomainEditorHost& host,
                     QWidget* parent = nullptr);
    ~DomainListEditor() override;

    const RecordEditor& editor() const { return m_editor; }

    static QString countLine(int rows);
    static QString exampleText();

private:
    void loadDomainList();
    void showDomain();
    std::optional<LinksDatabase::Row> lookUpDomain(const QString& text);
    void newRecord();
    void addRecord();
    void cancelAddNew();
    void editSelected();
    void saveEdit();
    void stopEditing();
    void deleteSelected();
    void sort(LinksDatabase::SortOrder order);
    void setFontSize(int points);

    QString selectedText() const;
    void showList(const QStringList& texts);
    void failLoad(const QString& error);
    void report(const QString& error);
    void applyStates();

    std::unique_ptr<Ui::DomainListEditor> m_ui;
    AppServices m_services;
    DomainEditorHost& m_host;
    LinksDatabase m_database;
    std::optional<QStringList> m_lockedDomains;
    RecordEditor m_editor;
    std::unique_ptr<RecordEditorBinder> m_binder;
};
