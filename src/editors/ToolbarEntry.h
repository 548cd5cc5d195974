#pragma once

#include <QString>
#include <QStringList>

#include "state/ToolbarSlots.h"

class SettingsStore;

// The toolbar button editor without its widgets: the guided entry of a new button (name,
// picture file, command line), the list of buttons and the deletion of one.
//
// Each operation is one user action. Afterwards view() holds what every control shows; the
// tab applies it to its widgets. An operation that returns a text wants it shown in a
// message box with an OK button (empty: nothing to show). Nothing is written to the
// settings store except by addToToolBar() and deleteSelected().
class ToolbarEntry {
public:
    enum class Step { Idle, Name, PicturePath, CommandLine, AddReady };
    enum class Field { Name, PicturePath, CommandLine };
    enum class Key { Enter, Tab, Escape };
    enum class Control {
        None,
        IconName,
        IconPath,
        SearchPath,
        IconCommandLine,
        CommandLineSearch,
        IconList,
        AddNewIcon,
        CancelNewButton,
        AddToToolBar,
        DeleteFromToolbar,
    };

    struct ControlState {
        bool enabled = false;
        bool bold = false;
        QString text;  // the field's text; unused for buttons

        bool operator==(const ControlState& o) const {
            return enabled == o.enabled && bold == o.bold && text == o.text;
        }
        bool operator!=(const ControlState& o) const { return !(*this == o); }
    };

    struct View {
        ControlState iconName, iconPath, searchPath, iconCommandLine, commandLineSearch;
        ControlState addNewIcon, cancelNewButton, addToToolBar, deleteFromToolbar;
        QStringList listNames;  // the lines of IconList
        QString listToolTip;    // tool tip of IconList and the preview; empty: the designed one
        QString previewPath;    // picture for IconPic; one that does not load leaves it as it was
        QString capacityNote;   // a line for the tab when the button count was unusable
        // Requests of the last operation: the control to give the focus (None: leave it) and
        // whether to select the whole text of that field, so typing replaces a prompt.
        Control focus = Control::None;
        bool selectAll = false;

        bool operator==(const View& o) const;
        bool operator!=(const View& o) const { return !(*this == o); }
    };

    static const QString kNamePrompt;         // "Enter an Icon Name"
    static const QString kPicturePrompt;      // "Enter Icon Path and File Name"
    static const QString kCommandLinePrompt;  // "Enter Command Line"
    static const QString kFullMessage;
    static const QString kPictureTypeMessage;
    static const QString kNotStoredMessage;
    static const QString kCapacityNote;
    // Open-file dialog filters of the two Search buttons; both start in the application
    // directory.
    static const QString kPictureFilter;
    static const QString kCommandLineFilter;

    // Reads the capacity and the button table from the store.
    explicit ToolbarEntry(SettingsStore& store);

    const View& view() const { return m_view; }
    Step step() const { return m_step; }
    const ToolbarSlots& toolbarSlots() const { return m_slots; }

    // Add New Button.
    QString addNew();
    // The field's text as typed; the view follows without any focus request.
    void setText(Field field, const QString& text);
    // Enter, Tab or Escape in a field. Running it twice for one key press gives the same
    // view as running it once, and shows no second message.
    QString key(Field field, Key key);
    // The file chosen through a Search button (empty: the dialog was cancelled).
    QString searchPicture(const QString& chosenFile);
    QString searchCommandLine(const QString& chosenFile);
    QString addToToolBar();
    // A click on line `row` of IconList.
    void listClick(int row);
    QString deleteSelected();
    // Cancel Add New.
    void cancel();
    // A character typed while Add To ToolBar has the focus.
    void typedCharOnAddButton();

private:
    ControlState& field(Field field);
    void beginOperation();
    void askFocus(Control control, bool selectAll = false);
    void enterName();
    QString enterPicturePath();
    void enterCommandLine();
    void startCommandLineStep(const QString& picture);
    void readyToAdd();
    void dropStepsAfter(Step step);
    void resetEntry();

    ToolbarSlots m_slots;
    View m_view;
    Step m_step = Step::Idle;
    QString m_selectedName;
};
