#pragma once

#include <QDialog>
#include <memory>

#include "platform/AppServices.h"
#include "state/VisitLogReader.h"

class VisitLogModel;

namespace Ui {
class VisitLogViewer;
}

// `frmTip1`: the visit log, read-only, with its count line, two sorts and font sizes.
class VisitLogViewer : public QDialog {
    Q_OBJECT

public:
    explicit VisitLogViewer(const AppServices& services, QWidget* parent = nullptr);
    ~VisitLogViewer() override;

    static QString countLine(int visits);
    static QString unreadableLine();

    const VisitLogModel& model() const { return *m_model; }
    void toggleBold();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showIconAndTitle(const AppServices& services);
    void loadVisitList();
    void sort(VisitLogReader::Order order);
    void setFontSize(int points);

    std::unique_ptr<Ui::VisitLogViewer> m_ui;
    VisitLogModel* m_model = nullptr;
};
