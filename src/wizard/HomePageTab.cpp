#include "wizard/HomePageTab.h"

#include <QEvent>
#include <QFileInfo>

#include "dialogs/MaintenanceCommands.h"
#include "platform/FormOpener.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "ui_HomePageTab.h"
#include "wizard/ControlEvents.h"
#include "wizard/LockedControls.h"
#include "wizard/PictureBox.h"
#include "wizard/WizardFileDialogs.h"
#include "wizard/WizardPassword.h"

namespace K = SettingsKeys;

namespace {

// Sets a box as the program, not the user, would: no click action runs.
void setQuietly(QCheckBox* box, bool ticked) {
    const QSignalBlocker blocker(box);
    box->setChecked(ticked);
}

}  // namespace

HomePageTab::HomePageTab(const AppServices& services, WizardFileDialogs& fileDialogs,
                         QWidget* parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::HomePageTab>()),
      m_services(services),
      m_options(services),
      m_fileDialogs(fileDialogs),
      m_homePageChooser(*services.dialogs) {
    m_ui->setupUi(this);
    m_homePageChooser.setFilter(QStringLiteral("All Files (*.*)|*.*"));
    m_ui->Text2->installEventFilter(this);
    lockFixedControls();

    connect(m_ui->ManualBrowsing, &QCheckBox::clicked, this, &HomePageTab::manualBrowsingClicked);
    connect(m_ui->Disney, &QCheckBox::clicked, this, &HomePageTab::disneyClicked);
    connect(m_ui->Password, &QCheckBox::clicked, this, &HomePageTab::passwordClicked);
    connect(m_ui->Command1, &QPushButton::clicked, this, &HomePageTab::toggleRestriction);
    connect(m_ui->Command14, &QPushButton::clicked, this, &HomePageTab::openDomainEditor);
    connect(m_ui->Command4, &QPushButton::clicked, this, &HomePageTab::openVisitLog);
    connect(m_ui->Command12, &QPushButton::clicked, this, &HomePageTab::closeRequested);
    wireIcon();
    wireMaintenanceCommands();
    connectTimeLimitButtons();
}

HomePageTab::~HomePageTab() = default;

void HomePageTab::lockFixedControls() {
    const struct {
        QWidget* control;
        const char* section;
        const char* key;
    } keyed[] = {
        {m_ui->Text2, K::kHome, K::kFirstKey},
        {m_ui->ManualBrowsing, K::kManualBrowsing, K::kAllowed},
        {m_ui->Disney, K::kDisney, K::kOnly},
        {m_ui->Password, K::kPassword, K::kHash},
        {m_ui->Command1, K::kRestriction, K::kAllowed},
    };
    for (const auto& entry : keyed)
        LockedControls::apply(*m_services.settings, entry.control, entry.section, entry.key);
}

void HomePageTab::showRestrictionState() {
    m_ui->Command1->setText(BrowsingOptions::restrictionCaption(m_options.restrictionInForce()));
}

void HomePageTab::applyStoredOptions() {
    const auto apply = [](QCheckBox* box, bool ticked, auto clickAction) {
        const bool changesToTicked = ticked && !box->isChecked();
        setQuietly(box, ticked);
        // A box the program ticks counts as clicked, unless its key is locked.
        if (changesToTicked && box->isEnabled()) clickAction();
    };
    apply(m_ui->ManualBrowsing, m_options.manualBrowsingStored(),
          [this] { manualBrowsingClicked(true); });
    apply(m_ui->Disney, m_options.disneyStored(), [this] { disneyClicked(true); });
    setQuietly(m_ui->Password, WizardPassword(*m_services.settings, *m_services.dialogs).isSet());
}

void HomePageTab::fillHomePage() {
    m_ui->Text2->setText(m_options.homePage());
}

QString HomePageTab::showIcon() {
    const QString file = m_services.settings->read(K::kIcon, K::kFirstKey);
    if (file.isEmpty()) return file;
    PictureBox::load(m_ui->Image6, file);
    m_ui->icontext->setText(file);
    return file;
}

QString HomePageTab::startPageText() const {
    return m_ui->Text2->text();
}

bool HomePageTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->Text2 && m_ui->Text2->isEnabled()) {
        if (event->type() == QEvent::FocusOut) m_options.saveHomePage(m_ui->Text2->text());
        if (event->type() == QEvent::MouseButtonDblClick) {
            chooseHomePage();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HomePageTab::chooseHomePage() {
    // The dialog opens where the last chosen page lies.
    if (!m_homePageChooser.fileName().isEmpty())
        m_homePageChooser.setDirectory(QFileInfo(m_homePageChooser.fileName()).absolutePath());
    const QString path = m_homePageChooser.choose(window());
    m_ui->Text2->setText(path);
    m_options.saveHomePage(path);
}

void HomePageTab::manualBrowsingClicked(bool ticked) {
    m_options.manualBrowsingClicked(window(), ticked);
}

void HomePageTab::disneyClicked(bool ticked) {
    const std::optional<QString> startPage =
        ticked ? m_options.enableDisney(window()) : m_options.disableDisney(window());
    if (startPage) m_ui->Text2->setText(*startPage);
}

void HomePageTab::passwordClicked(bool ticked) {
    const WizardPassword password(*m_services.settings, *m_services.dialogs);
    const bool done = ticked ? password.choose(window()) : password.remove(window());
    if (!done) setQuietly(m_ui->Password, !ticked);
}

void HomePageTab::toggleRestriction() {
    const std::optional<bool> inForce =
        m_options.toggleRestriction(window(), m_ui->Command1->text());
    if (inForce) m_ui->Command1->setText(BrowsingOptions::restrictionCaption(*inForce));
}

void HomePageTab::openDomainEditor() {
    if (m_services.forms) m_services.forms->openDomainEditor(window(), *this);
}

void HomePageTab::openVisitLog() {
    if (m_services.forms) m_services.forms->openVisitLog(window());
}

// "&Set Limit" and "&Reminders" open their dialogs where the program's forms can be opened.
void HomePageTab::connectTimeLimitButtons() {
    FormOpener* forms = m_services.forms;
    m_ui->Command10->setEnabled(forms != nullptr);
    m_ui->Command11->setEnabled(forms != nullptr);
    if (!forms) return;
    connect(m_ui->Command10, &QPushButton::clicked, this,
            [this] { m_services.forms->openSetLimit(window()); });
    connect(m_ui->Command11, &QPushButton::clicked, this,
            [this] { m_services.forms->openReminders(window()); });
}

void HomePageTab::wireIcon() {
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->Image6), static_cast<QWidget*>(m_ui->icontext)}) {
        if (!LockedControls::apply(*m_services.settings, control, K::kIcon, K::kFirstKey))
            ControlEvents::onClick(control, [this] { chooseIcon(); });
    }
}

void HomePageTab::chooseIcon() {
    FileChooser& dialog = m_fileDialogs.icon;
    dialog.setFilter(QStringLiteral("Pictures (*.ico)|*.ico"));
    dialog.setDirectory(m_services.applicationDirectory);
    const QString file = dialog.choose(window());
    PictureBox::load(m_ui->Image6, file);
    if (file.isEmpty()) return;
    m_services.settings->write(K::kIcon, K::kFirstKey, file);
    m_ui->icontext->setText(file);
}

void HomePageTab::wireMaintenanceCommands() {
    const auto bind = [this](QPushButton* button, auto command) {
        connect(button, &QPushButton::clicked, this, [this, command] {
            MaintenanceCommands commands(m_services, window());
            command(commands);
        });
    };
    bind(m_ui->Command16, [](MaintenanceCommands& c) { c.showHelp(); });
    bind(m_ui->Command15, [](MaintenanceCommands& c) { c.editTips(); });
    bind(m_ui->Command13, [](MaintenanceCommands& c) { c.addDailyTip(); });
    bind(m_ui->Command2, [this](MaintenanceCommands& c) {
        if (!c.clearLog()) emit quickLinksReloadNeeded();
    });
    bind(m_ui->but,
         [](MaintenanceCommands& c) { c.configureSettings(qEnvironmentVariable("PATH")); });
    bind(m_ui->Command67,
         [this](MaintenanceCommands& c) { c.selectMailClient(m_fileDialogs.picture); });
    LockedControls::apply(*m_services.settings, m_ui->Command67, K::kEMail, K::kSelection);
}
