#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "editors/ToolbarEntry.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

using Control = ToolbarEntry::Control;
using Field = ToolbarEntry::Field;
using Key = ToolbarEntry::Key;

// One user action on the toolbar editor and the tab as it must look afterwards.
//   action:  addNew | type <field> <text> | enter|tab|escape <field> | searchPicture <file> |
//            searchCommand <file> | add | list <row> | delete | cancel | char
//            (<field>: name, path, command; <text> may be empty)
//   enabled, bold: one letter per control: n IconName, p IconPath, s SearchPath,
//            c IconCommandLine, k CommandLineSearch, a AddNewIcon, x CancelNewButton,
//            t AddToToolBar, d DeleteFromToolbar
//   texts:   "name|picture path|command line|preview", %N %P %C standing for the prompts
//   focus:   the control the action gives the focus, "*" when it selects the field's text
struct EntryStep {
    QString action, enabled, bold, texts, focus, message;
};
Q_DECLARE_METATYPE(QList<EntryStep>)

namespace {

const QString kIdleTexts = QStringLiteral("|||");

EntryStep idleAfter(const QString& action, const QString& message = {}) {
    return {action, "a", "", kIdleTexts, "AddNewIcon", message};
}

// The steps that bring a fresh tab to the command-line step, name "Calc", picture `picture`.
QList<EntryStep> toCommandLine(const QString& picture = QStringLiteral("/apps/calc.ico")) {
    return {
        {"addNew", "nx", "nx", "%N|||", "IconName*", ""},
        {"type name Calc", "nx", "nx", "Calc|||", "", ""},
        {"enter name", "npsx", "npx", "Calc|%P||", "IconPath*", ""},
        {"type path " + picture, "npsx", "npx", "Calc|" + picture + "||", "", ""},
        {"tab path", "npsckx", "npx", "Calc|" + picture + "|%C|" + picture, "IconCommandLine*", ""},
    };
}

QList<EntryStep> toAddReady() {
    return toCommandLine() + QList<EntryStep>{
                                 {"type command calc", "npsckx", "npx",
                                  "Calc|/apps/calc.ico|calc|/apps/calc.ico", "", ""},
                                 {"enter command", "npsckxt", "npxt",
                                  "Calc|/apps/calc.ico|calc|/apps/calc.ico", "AddToToolBar", ""},
                             };
}

const QString kCalc = QStringLiteral("Calc|/apps/calc.ico|calc");

QStringList buttons(int count, int from = 0) {
    QStringList slots_;
    for (int i = from; i < from + count; ++i)
        slots_ << QStringLiteral("b%1|b%1.bmp|run b%1").arg(i);
    return slots_;
}

QStringList empties(int count) {
    return QStringList(count, QStringLiteral("||"));
}

const char* controlName(Control control) {
    switch (control) {
        case Control::None:
            return "";
        case Control::IconName:
            return "IconName";
        case Control::IconPath:
            return "IconPath";
        case Control::SearchPath:
            return "SearchPath";
        case Control::IconCommandLine:
            return "IconCommandLine";
        case Control::CommandLineSearch:
            return "CommandLineSearch";
        case Control::IconList:
            return "IconList";
        case Control::AddNewIcon:
            return "AddNewIcon";
        case Control::CancelNewButton:
            return "CancelNewButton";
        case Control::AddToToolBar:
            return "AddToToolBar";
        case Control::DeleteFromToolbar:
            return "DeleteFromToolbar";
    }
    return "?";
}

QString flags(const ToolbarEntry::View& v, bool ToolbarEntry::ControlState::*flag) {
    const std::pair<char, const ToolbarEntry::ControlState*> controls[] = {
        {'n', &v.iconName},        {'p', &v.iconPath},          {'s', &v.searchPath},
        {'c', &v.iconCommandLine}, {'k', &v.commandLineSearch}, {'a', &v.addNewIcon},
        {'x', &v.cancelNewButton}, {'t', &v.addToToolBar},      {'d', &v.deleteFromToolbar}};
    QString letters;
    for (const auto& [letter, state] : controls)
        if (state->*flag) letters += QLatin1Char(letter);
    return letters;
}

QString texts(const ToolbarEntry::View& v) {
    QString joined = v.iconName.text + '|' + v.iconPath.text + '|' + v.iconCommandLine.text + '|' +
                     v.previewPath;
    joined.replace(ToolbarEntry::kNamePrompt, QStringLiteral("%N"));
    joined.replace(ToolbarEntry::kPicturePrompt, QStringLiteral("%P"));
    joined.replace(ToolbarEntry::kCommandLinePrompt, QStringLiteral("%C"));
    return joined;
}

QString focus(const ToolbarEntry::View& v) {
    return QString::fromLatin1(controlName(v.focus)) + (v.selectAll ? "*" : "");
}

Field fieldNamed(const QString& word) {
    if (word == QLatin1String("name")) return Field::Name;
    if (word == QLatin1String("path")) return Field::PicturePath;
    return Field::CommandLine;
}

}  // namespace

// The toolbar button editor without widgets: the tab after each step of an entry, and the
// slots in the store after adds and deletions.
class TestToolbarEntry : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;

    void storeSlots(const QStringList& stored) {
        using namespace SettingsKeys;
        for (int slot = 0; slot < stored.size(); ++slot) {
            const QStringList parts = stored[slot].split('|');
            const QString key = QString::number(slot);
            m_store->write(kToolName, key, parts.value(0));
            m_store->write(kToolImage, key, parts.value(1));
            m_store->write(kToolFileName, key, parts.value(2));
        }
    }
    QStringList readSlots(int count) const {
        using namespace SettingsKeys;
        QStringList stored;
        for (int slot = 0; slot < count; ++slot) {
            const QString key = QString::number(slot);
            stored << m_store->read(kToolName, key) + '|' + m_store->read(kToolImage, key) + '|' +
                          m_store->read(kToolFileName, key);
        }
        return stored;
    }

    static QString run(ToolbarEntry& entry, const QString& action) {
        const QString verb = action.section(' ', 0, 0);
        const QString rest = action.section(' ', 1);
        if (verb == QLatin1String("addNew")) return entry.addNew();
        if (verb == QLatin1String("type")) {
            entry.setText(fieldNamed(rest.section(' ', 0, 0)), rest.section(' ', 1));
            return {};
        }
        if (verb == QLatin1String("searchPicture")) return entry.searchPicture(rest);
        if (verb == QLatin1String("searchCommand")) return entry.searchCommandLine(rest);
        if (verb == QLatin1String("add")) return entry.addToToolBar();
        if (verb == QLatin1String("list")) {
            entry.listClick(rest.toInt());
            return {};
        }
        if (verb == QLatin1String("delete")) return entry.deleteSelected();
        if (verb == QLatin1String("cancel")) {
            entry.cancel();
            return {};
        }
        if (verb == QLatin1String("char")) {
            entry.typedCharOnAddButton();
            return {};
        }
        const Key key = verb == QLatin1String("enter") ? Key::Enter
                        : verb == QLatin1String("tab") ? Key::Tab
                                                       : Key::Escape;
        // A key runs the field's routine on key-down and again on the typed character; the
        // second run must change nothing and show nothing.
        const QString message = entry.key(fieldNamed(rest), key);
        const ToolbarEntry::View once = entry.view();
        if (!entry.key(fieldNamed(rest), key).isEmpty()) return QStringLiteral("second message");
        if (entry.view() != once) return QStringLiteral("second run changed the tab");
        return message;
    }

private slots:
    void init() {
        m_store.reset();
        static int run = 0;
        m_store = std::make_unique<SettingsStore>(m_dir.path() +
                                                  QStringLiteral("/store%1.ini").arg(++run));
    }

    void entrySteps_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QList<EntryStep>>("steps");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("listed");

        QTest::newRow("typed entry added")
            << "19" << QStringList{} << (toAddReady() << idleAfter("add"))
            << (QStringList{kCalc} + empties(18)) << QStringList{"Calc"};

        QTest::newRow("entry through both Search buttons, .ICO accepted")
            << "19" << buttons(2)
            << (toCommandLine().mid(0, 3) +
                QList<EntryStep>{
                    {"searchPicture /apps/CALC.ICO", "npsckx", "npx",
                     "Calc|/apps/CALC.ICO|%C|/apps/CALC.ICO", "IconCommandLine*", ""},
                    {"searchCommand /apps/tool", "npsckxt", "npxt",
                     "Calc|/apps/CALC.ICO|/apps/tool|/apps/CALC.ICO", "AddToToolBar", ""},
                    idleAfter("add"),
                })
            << (buttons(2) + QStringList{"Calc|/apps/CALC.ICO|/apps/tool"} + empties(16))
            << QStringList{"b0", "b1", "Calc"};

        QTest::newRow("typed .ICO refused, prompt left alone")
            << "14" << QStringList{}
            << (toCommandLine().mid(0, 3) +
                QList<EntryStep>{
                    {"enter path", "npsx", "npx", "Calc|%P||", "IconPath*", ""},
                    {"type path /apps/CALC.ICO", "npsx", "npx", "Calc|/apps/CALC.ICO||", "", ""},
                    {"enter path", "npsx", "npx", "Calc|%P||", "IconPath*",
                     ToolbarEntry::kPictureTypeMessage},
                    {"type path", "npsx", "npx", "Calc|||", "", ""},
                    {"tab path", "npsx", "npx", "Calc|||", "IconPath*", ""},
                    {"searchPicture", "npsx", "npx", "Calc|||", "IconPath", ""},
                    idleAfter("escape path"),
                })
            << empties(14) << QStringList{};

        QTest::newRow("my.bmp.txt passes the type test")
            << "14" << QStringList{}
            << (toCommandLine(QStringLiteral("/apps/my.bmp.txt")) +
                QList<EntryStep>{
                    {"searchCommand /bin/run", "npsckxt", "npxt",
                     "Calc|/apps/my.bmp.txt|/bin/run|/apps/my.bmp.txt", "AddToToolBar", ""},
                    idleAfter("add")})
            << (QStringList{"Calc|/apps/my.bmp.txt|/bin/run"} + empties(13)) << QStringList{"Calc"};

        QTest::newRow("Escape in the name field")
            << "14" << buttons(1) << (toCommandLine().mid(0, 2) << idleAfter("escape name"))
            << (buttons(1) + empties(13)) << QStringList{"b0"};
        QTest::newRow("Escape in the picture-path field")
            << "14" << buttons(1) << (toCommandLine().mid(0, 4) << idleAfter("escape path"))
            << (buttons(1) + empties(13)) << QStringList{"b0"};
        QTest::newRow("Escape in the command-line field")
            << "14" << buttons(1)
            << (toAddReady().mid(0, 6) << idleAfter("escape command")
                                       << EntryStep{"enter name", "a", "", kIdleTexts, "", ""})
            << (buttons(1) + empties(13)) << QStringList{"b0"};

        QTest::newRow("empty name and unchanged prompt keep the name step")
            << "14" << QStringList{}
            << QList<EntryStep>{
                   {"addNew", "nx", "nx", "%N|||", "IconName*", ""},
                   {"enter name", "nx", "nx", "%N|||", "IconName*", ""},
                   {"type name", "nx", "nx", "|||", "", ""},
                   {"tab name", "nx", "nx", "%N|||", "IconName*", ""},
               }
            << empties(14) << QStringList{};

        QTest::newRow("empty command line keeps the command step")
            << "14" << QStringList{}
            << (toCommandLine() +
                QList<EntryStep>{
                    {"enter command", "npsckx", "npx", "Calc|/apps/calc.ico|%C|/apps/calc.ico",
                     "IconCommandLine*", ""},
                    {"searchCommand", "npsckx", "npx", "Calc|/apps/calc.ico|%C|/apps/calc.ico",
                     "IconCommandLine", ""},
                })
            << empties(14) << QStringList{};

        QTest::newRow("cancel from the picture step and from Add To ToolBar")
            << "14" << QStringList{}
            << (toCommandLine().mid(0, 3)
                << idleAfter("cancel") << toAddReady() << idleAfter("cancel"))
            << empties(14) << QStringList{};

        QTest::newRow("a typed character on Add To ToolBar cancels")
            << "14" << QStringList{} << (toAddReady() << idleAfter("char")) << empties(14)
            << QStringList{};

        QTest::newRow("fields closed after an add: no entry without a name")
            << "14" << QStringList{}
            << (toAddReady() << idleAfter("add")
                             << EntryStep{"type path /apps/x.ico", "a", "", kIdleTexts, "", ""}
                             << EntryStep{"enter path", "a", "", kIdleTexts, "", ""}
                             << EntryStep{"searchPicture /apps/x.ico", "a", "", kIdleTexts, "", ""}
                             << EntryStep{"add", "a", "", kIdleTexts, "", ""})
            << (QStringList{kCalc} + empties(13)) << QStringList{"Calc"};

        QTest::newRow("name emptied before adding: back to the name step")
            << "14" << QStringList{}
            << (toAddReady() << EntryStep{"type name", "npsckxt", "npxt",
                                          "|/apps/calc.ico|calc|/apps/calc.ico", "", ""}
                             << EntryStep{"add", "nx", "nx", "%N|||", "IconName*", ""})
            << empties(14) << QStringList{};

        QTest::newRow("name entered again: later steps start over")
            << "14" << QStringList{}
            << (toAddReady() << EntryStep{"type name Calc2", "npsckxt", "npxt",
                                          "Calc2|/apps/calc.ico|calc|/apps/calc.ico", "", ""}
                             << EntryStep{"enter name", "npsx", "npx", "Calc2|%P||", "IconPath*",
                                          ""}
                             << EntryStep{"add", "npsx", "npx", "Calc2|%P||", "", ""})
            << empties(14) << QStringList{};

        QTest::newRow("capacity 19 with 19 stored: full until one is deleted")
            << "19" << buttons(19)
            << QList<EntryStep>{
                   idleAfter("addNew", ToolbarEntry::kFullMessage),
                   {"list 0", "ad", "", "|||b0.bmp", "", ""},
                   idleAfter("delete"),
                   {"addNew", "nx", "nx", "%N|||", "IconName*", ""},
               }
            << (buttons(18, 1) + empties(1)) << buttons(18, 1).replaceInStrings(QRegularExpression("\\|.*"), "");

        QTest::newRow("deleting the first of five")
            << "14" << buttons(5)
            << QList<EntryStep>{{"list 0", "ad", "", "|||b0.bmp", "", ""}, idleAfter("delete")}
            << (buttons(4, 1) + empties(10)) << QStringList{"b1", "b2", "b3", "b4"};

        QTest::newRow("deleting the last of a full toolbar")
            << "14" << buttons(14)
            << QList<EntryStep>{{"list 13", "ad", "", "|||b13.bmp", "", ""}, idleAfter("delete")}
            << (buttons(13) + empties(1))
            << buttons(13).replaceInStrings(QRegularExpression("\\|.*"), "");

        QTest::newRow("slots above MaxButtons: not listed, untouched, MaxButtons emptied")
            << "14" << buttons(20)
            << QList<EntryStep>{idleAfter("addNew", ToolbarEntry::kFullMessage),
                                {"list 2", "ad", "", "|||b2.bmp", "", ""},
                                idleAfter("delete")}
            << (buttons(2) + buttons(11, 3) + empties(1) + buttons(6, 14))
            << (buttons(2) + buttons(11, 3)).replaceInStrings(QRegularExpression("\\|.*"), "");

        QTest::newRow("two buttons with one name: the first is shown and deleted")
            << "14" << QStringList{"x|x.bmp|x", "same|first.ico|one", "same|second.ico|two"}
            << QList<EntryStep>{{"list 2", "ad", "", "|||first.ico", "", ""}, idleAfter("delete")}
            << (QStringList{"x|x.bmp|x", "same|second.ico|two"} + empties(12))
            << QStringList{"x", "same"};

        QTest::newRow("two buttons with one name added")
            << "14" << QStringList{kCalc} << (toAddReady() << idleAfter("add"))
            << (QStringList{kCalc, kCalc} + empties(12)) << QStringList{"Calc", "Calc"};

        QTest::newRow("list click during an entry, then Escape")
            << "14" << buttons(1)
            << (toCommandLine().mid(0, 3) +
                QList<EntryStep>{{"list 0", "npsad", "npx", "Calc|%P||b0.bmp", "", ""},
                                 {"escape path", "ad", "", kIdleTexts, "AddNewIcon", ""},
                                 idleAfter("delete")})
            << empties(14) << QStringList{};

        QTest::newRow("unusable count: 14 places")
            << "none" << buttons(13)
            << (toAddReady() << idleAfter("add") << idleAfter("addNew", ToolbarEntry::kFullMessage))
            << (buttons(13) + QStringList{kCalc} + empties(1))
            << (buttons(13).replaceInStrings(QRegularExpression("\\|.*"), "") << "Calc");
    }
    void entrySteps() {
        QFETCH(QString, amount);
        QFETCH(QStringList, stored);
        QFETCH(QList<EntryStep>, steps);
        QFETCH(QStringList, after);
        QFETCH(QStringList, listed);
        m_store->write(SettingsKeys::kButtonCount, SettingsKeys::kAmount, amount);
        storeSlots(stored);
        ToolbarEntry entry(*m_store);
        QCOMPARE(flags(entry.view(), &ToolbarEntry::ControlState::enabled), QStringLiteral("a"));
        for (const EntryStep& step : steps) {
            const QString message = run(entry, step.action);
            const ToolbarEntry::View& v = entry.view();
            const QString seen =
                QStringList{message, flags(v, &ToolbarEntry::ControlState::enabled),
                            flags(v, &ToolbarEntry::ControlState::bold), texts(v), focus(v)}
                    .join(QStringLiteral(" / "));
            const QString expected =
                QStringList{step.message, step.enabled, step.bold, step.texts, step.focus}.join(
                    QStringLiteral(" / "));
            QCOMPARE(QString(step.action + ": " + seen), QString(step.action + ": " + expected));
        }
        QCOMPARE(readSlots(after.size()), after);
        QCOMPARE(entry.view().listNames, listed);
    }

    void listClickShowsTheCommandLine() {
        storeSlots({"x|x.bmp|x", "Calc|calc.ico|/usr/bin/calc -s", "Calc|other.ico|other"});
        ToolbarEntry entry(*m_store);
        QCOMPARE(entry.view().listToolTip, QString());
        entry.listClick(2);
        QCOMPARE(entry.view().listToolTip,
                 QStringLiteral("    Command Line: Calc /usr/bin/calc -s    "));
        QCOMPARE(entry.view().previewPath, QStringLiteral("calc.ico"));
    }

    void capacityNoteOnlyForAnUnusableCount_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("note");
        QTest::newRow("19") << "19" << false;
        QTest::newRow("absent") << "" << true;
        QTest::newRow("30") << "30" << true;
    }
    void capacityNoteOnlyForAnUnusableCount() {
        QFETCH(QString, amount);
        QFETCH(bool, note);
        if (!amount.isEmpty())
            m_store->write(SettingsKeys::kButtonCount, SettingsKeys::kAmount, amount);
        ToolbarEntry entry(*m_store);
        QCOMPARE(entry.view().capacityNote, note ? ToolbarEntry::kCapacityNote : QString());
        QCOMPARE(entry.toolbarSlots().capacity().buttons, note ? 14 : amount.toInt());
    }
};

QTEST_GUILESS_MAIN(TestToolbarEntry)
#include "tst_toolbarentry.moc"
