#include "editors/ToolbarEntry.h"

const QString ToolbarEntry::kNamePrompt = QStringLiteral("Enter an Icon Name");
const QString ToolbarEntry::kPicturePrompt = QStringLiteral("Enter Icon Path and File Name");
const QString ToolbarEntry::kCommandLinePrompt = QStringLiteral("Enter Command Line");
const QString ToolbarEntry::kFullMessage =
    QStringLiteral("The Custom Toolbar has been filled.  A button will need to be deleted first.");
const QString ToolbarEntry::kPictureTypeMessage =
    QStringLiteral("Only \".ico\" or \".bmp\" type files are allowed.");
const QString ToolbarEntry::kNotStoredMessage =
    QStringLiteral("The button could not be saved in the settings store.");
const QString ToolbarEntry::kCapacityNote = QStringLiteral(
    "The browser's button count is unknown, so up to 14 buttons can be set: every layout "
    "shows them all.");
const QString ToolbarEntry::kPictureFilter =
    QStringLiteral("Icons (*.ico)|*.ico|Bitmaps(*.bmp)|*.bmp");
const QString ToolbarEntry::kCommandLineFilter = QStringLiteral("Pictures (*.*)|*.*");

namespace {

bool holdsValue(const QString& text, const QString& prompt) {
    return !text.isEmpty() && !text.contains(prompt);
}

// The test is made on typed paths only, and is case-sensitive: "x.ICO" fails, "my.bmp.txt"
// passes.
bool namesPictureType(const QString& path) {
    return path.contains(QLatin1String(".ico")) || path.contains(QLatin1String(".bmp"));
}

}  // namespace

bool ToolbarEntry::View::operator==(const View& o) const {
    return iconName == o.iconName && iconPath == o.iconPath && searchPath == o.searchPath &&
           iconCommandLine == o.iconCommandLine && commandLineSearch == o.commandLineSearch &&
           addNewIcon == o.addNewIcon && cancelNewButton == o.cancelNewButton &&
           addToToolBar == o.addToToolBar && deleteFromToolbar == o.deleteFromToolbar &&
           listNames == o.listNames && listToolTip == o.listToolTip &&
           previewPath == o.previewPath && capacityNote == o.capacityNote && focus == o.focus &&
           selectAll == o.selectAll;
}

ToolbarEntry::ToolbarEntry(SettingsStore& store) : m_slots(store) {
    m_slots.load();
    m_view.addNewIcon.enabled = true;
    m_view.listNames = m_slots.usedNames();
    if (m_slots.capacity().fallback) m_view.capacityNote = kCapacityNote;
}

ToolbarEntry::ControlState& ToolbarEntry::field(Field which) {
    switch (which) {
        case Field::Name:
            return m_view.iconName;
        case Field::PicturePath:
            return m_view.iconPath;
        case Field::CommandLine:
            break;
    }
    return m_view.iconCommandLine;
}

// Every operation starts without focus requests, so the tab only moves the focus when the
// operation asks for it.
void ToolbarEntry::beginOperation() {
    askFocus(Control::None);
}

void ToolbarEntry::askFocus(Control control, bool selectAll) {
    m_view.focus = control;
    m_view.selectAll = selectAll;
}

QString ToolbarEntry::addNew() {
    cancel();
    if (m_slots.full()) return kFullMessage;
    m_view.addNewIcon.enabled = false;
    m_view.cancelNewButton = {true, true, {}};
    m_view.iconName = {true, true, kNamePrompt};
    askFocus(Control::IconName, true);
    m_step = Step::Name;
    return {};
}

void ToolbarEntry::setText(Field which, const QString& text) {
    beginOperation();
    ControlState& state = field(which);
    if (state.enabled) state.text = text;
}

QString ToolbarEntry::key(Field which, Key pressed) {
    beginOperation();
    if (pressed == Key::Escape) {
        cancel();
        return {};
    }
    if (!field(which).enabled) return {};
    switch (which) {
        case Field::Name:
            enterName();
            return {};
        case Field::PicturePath:
            return enterPicturePath();
        case Field::CommandLine:
            enterCommandLine();
            return {};
    }
    return {};
}

// A field's step moves on only when it holds a value; leaving a field with a prompt or
// nothing puts the prompt back, selected, and closes the later steps, so an earlier field
// can never be left invalid behind a later one.
void ToolbarEntry::enterName() {
    if (!holdsValue(m_view.iconName.text, kNamePrompt)) {
        m_view.iconName.text = kNamePrompt;
        dropStepsAfter(Step::Name);
        askFocus(Control::IconName, true);
        return;
    }
    dropStepsAfter(Step::Name);
    m_view.iconPath = {true, true, kPicturePrompt};
    m_view.searchPath.enabled = true;
    askFocus(Control::IconPath, true);
    m_step = Step::PicturePath;
}

QString ToolbarEntry::enterPicturePath() {
    const QString path = m_view.iconPath.text;
    if (!holdsValue(path, kPicturePrompt)) {
        askFocus(Control::IconPath, true);
        return {};
    }
    if (!namesPictureType(path)) {
        m_view.iconPath.text = kPicturePrompt;
        dropStepsAfter(Step::PicturePath);
        askFocus(Control::IconPath, true);
        return kPictureTypeMessage;
    }
    startCommandLineStep(path);
    return {};
}

QString ToolbarEntry::searchPicture(const QString& chosenFile) {
    beginOperation();
    if (!m_view.searchPath.enabled) return {};
    if (!holdsValue(chosenFile, kPicturePrompt)) {
        askFocus(Control::IconPath);
        return {};
    }
    m_view.iconPath.text = chosenFile;
    startCommandLineStep(chosenFile);
    return {};
}

void ToolbarEntry::startCommandLineStep(const QString& picture) {
    dropStepsAfter(Step::PicturePath);
    m_view.previewPath = picture;
    m_view.iconCommandLine = {true, false, kCommandLinePrompt};
    m_view.commandLineSearch.enabled = true;
    askFocus(Control::IconCommandLine, true);
    m_step = Step::CommandLine;
}

void ToolbarEntry::enterCommandLine() {
    if (!holdsValue(m_view.iconCommandLine.text, kCommandLinePrompt)) {
        m_view.iconCommandLine.text = kCommandLinePrompt;
        dropStepsAfter(Step::CommandLine);
        askFocus(Control::IconCommandLine, true);
        return;
    }
    readyToAdd();
}

QString ToolbarEntry::searchCommandLine(const QString& chosenFile) {
    beginOperation();
    if (!m_view.commandLineSearch.enabled) return {};
    if (chosenFile.isEmpty()) {
        askFocus(Control::IconCommandLine);
        return {};
    }
    m_view.iconCommandLine.text = chosenFile;
    readyToAdd();
    return {};
}

void ToolbarEntry::readyToAdd() {
    m_view.addToToolBar = {true, true, {}};
    askFocus(Control::AddToToolBar);
    m_step = Step::AddReady;
}

// Disables and empties the controls of the steps after `step`.
void ToolbarEntry::dropStepsAfter(Step step) {
    if (step < Step::PicturePath) {
        m_view.iconPath = {};
        m_view.searchPath = {};
        m_view.previewPath.clear();
    }
    if (step < Step::CommandLine) {
        m_view.iconCommandLine = {};
        m_view.commandLineSearch = {};
    }
    if (step < Step::AddReady) m_view.addToToolBar = {};
    if (m_step > step) m_step = step;
}

QString ToolbarEntry::addToToolBar() {
    beginOperation();
    if (!m_view.addToToolBar.enabled || m_step != Step::AddReady) return {};
    // The name may have been changed after its Enter; an entry without one would mark no
    // slot as used.
    if (!holdsValue(m_view.iconName.text, kNamePrompt)) {
        enterName();
        return {};
    }
    const ToolbarButton button{m_view.iconName.text, m_view.iconPath.text,
                               m_view.iconCommandLine.text};
    switch (m_slots.add(button)) {
        case ToolbarSlots::Outcome::NoPlace:
            return kFullMessage;
        case ToolbarSlots::Outcome::NotStored:
            return kNotStoredMessage;
        case ToolbarSlots::Outcome::Done:
            break;
    }
    m_view.listNames.append(button.name);
    resetEntry();
    askFocus(Control::AddNewIcon);
    return {};
}

void ToolbarEntry::listClick(int row) {
    beginOperation();
    if (row < 0 || row >= m_view.listNames.size()) return;
    const int place = m_slots.findByName(m_view.listNames[row]);
    if (place < 0) return;
    m_selectedName = m_view.listNames[row];
    m_view.deleteFromToolbar.enabled = true;
    m_view.cancelNewButton.enabled = false;
    m_view.addNewIcon.enabled = true;
    const ToolbarButton& button = m_slots.place(place);
    m_view.previewPath = button.picture;
    m_view.listToolTip = QStringLiteral("    Command Line: ") + button.name + QLatin1Char(' ') +
                         button.commandLine + QStringLiteral("    ");
}

QString ToolbarEntry::deleteSelected() {
    beginOperation();
    if (!m_view.deleteFromToolbar.enabled || m_selectedName.isEmpty()) return {};
    const int place = m_slots.findByName(m_selectedName);
    const ToolbarSlots::Outcome outcome =
        place < 0 ? ToolbarSlots::Outcome::NoPlace : m_slots.removeAt(place);
    m_view.listNames = m_slots.usedNames();
    m_view.deleteFromToolbar = {};
    m_selectedName.clear();
    cancel();
    return outcome == ToolbarSlots::Outcome::NotStored ? kNotStoredMessage : QString();
}

void ToolbarEntry::cancel() {
    resetEntry();
    askFocus(Control::AddNewIcon);
}

void ToolbarEntry::typedCharOnAddButton() {
    cancel();
}

// Back to idle: only Add New Button and the list usable. The picture-path field is closed
// with the others, so no entry can start past the name.
void ToolbarEntry::resetEntry() {
    m_view.iconName = {};
    dropStepsAfter(Step::Name);
    m_view.cancelNewButton = {};
    m_view.addNewIcon.enabled = true;
    m_view.previewPath.clear();
    m_step = Step::Idle;
}
