#include "dialogs/VisitLogViewer.h"

#include <QAction>
#include <QEvent>
#include <QPixmap>

#include "dialogs/VisitLogModel.h"
#include "state/SettingsKeys.h"
#include "ui_VisitLogViewer.h"

namespace {

// The list's design height: 3180 twips at 15 twips per pixel.
constexpr int kListHeight = 3180 / 15;

}  // namespace

VisitLogViewer::VisitLogViewer(const AppServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::VisitLogViewer>()) {
    m_ui->setupUi(this);
    m_model =
        new VisitLogModel(services.applicationDirectory + QStringLiteral("\\Links.mdb"), this);
    m_ui->Visitations->setModel(m_model);
    m_ui->Visitations->setFixedHeight(kListHeight);

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // On the whole list, not only on a line.
    m_ui->Visitations->viewport()->installEventFilter(this);
    connect(m_ui->Ascend, &QAction::triggered, this,
            [this] { sort(VisitLogReader::Order::Ascending); });
    connect(m_ui->Descend, &QAction::triggered, this,
            [this] { sort(VisitLogReader::Order::Descending); });
    connect(m_ui->Size8, &QAction::triggered, this, [this] { setFontSize(8); });
    connect(m_ui->Size10, &QAction::triggered, this, [this] { setFontSize(10); });
    connect(m_ui->Size12, &QAction::triggered, this, [this] { setFontSize(12); });

    showIconAndTitle(services);
    loadVisitList();
}

VisitLogViewer::~VisitLogViewer() = default;

bool VisitLogViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->Visitations->viewport() && event->type() == QEvent::MouseButtonDblClick)
        toggleBold();
    return QDialog::eventFilter(watched, event);
}

QString VisitLogViewer::countLine(int visits) {
    if (visits == 1) return QStringLiteral("The log file has a record of only 1 visit.");
    if (visits == 0) return QStringLiteral("The log file has no record of any web browsing.");
    return QStringLiteral("The log file has a record of %1 visits.").arg(visits);
}

QString VisitLogViewer::unreadableLine() {
    return QStringLiteral("The log file could not be read.");
}

void VisitLogViewer::showIconAndTitle(const AppServices& services) {
    const QString iconFile = services.settings->read(SettingsKeys::kIcon, SettingsKeys::kFirstKey);
    if (iconFile.isEmpty()) {
        setWindowIcon(QIcon());
    } else if (const QPixmap picture(iconFile); !picture.isNull()) {
        setWindowIcon(QIcon(picture));
    }
    const QString company =
        services.settings->read(SettingsKeys::kCompanyInfo, SettingsKeys::kFirstKey);
    setWindowTitle(company.isEmpty()
                       ? QStringLiteral("Configure your Icon.  It'll appear HERE Too!")
                       : company + QStringLiteral(" Log File"));
}

void VisitLogViewer::loadVisitList() {
    const bool read = m_model->load(VisitLogReader::Order::Natural);
    m_ui->Label1->setText(read ? countLine(m_model->snapshotCount()) : unreadableLine());
}

void VisitLogViewer::sort(VisitLogReader::Order order) {
    m_model->load(order);
}

void VisitLogViewer::setFontSize(int points) {
    QFont font = m_ui->Visitations->font();
    font.setPointSize(points);
    m_ui->Visitations->setFont(font);
}

void VisitLogViewer::toggleBold() {
    QFont font = m_ui->Visitations->font();
    const bool bold = !font.bold();
    font.setBold(bold);
    font.setPointSize(bold ? 16 : 8);
    m_ui->Visitations->setFont(font);
}
