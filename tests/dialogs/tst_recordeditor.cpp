#include <QtTest>
#include <functional>

#include "dialogs/RecordEditor.h"

namespace {

using C = RecordEditor::Control;
using Mode = RecordEditor::Mode;

const char* const kNames[] = {"NewRec",   "AddRec",    "DeleteRec", "CancelAddNew",
                              "SaveEdit", "BackToReg", "List",      "Fields"};

// The controls that are on, by name, in table order.
QString describe(const RecordEditor::State& state) {
    QStringList on;
    for (std::size_t i = 0; i < RecordEditor::kControls; ++i)
        if (state[i]) on << QString::fromLatin1(kNames[i]);
    return on.join(QLatin1Char(' '));
}

RecordEditor startingIn(Mode mode) {
    RecordEditor editor;
    if (mode == Mode::Adding) editor.startAdding();
    if (mode == Mode::Editing) editor.startEditing();
    return editor;
}

}  // namespace

Q_DECLARE_METATYPE(RecordEditor::Mode)

class TestRecordEditor : public QObject {
    Q_OBJECT

private slots:
    void presetsAreTheModeTable_data() {
        QTest::addColumn<RecordEditor::Mode>("mode");
        QTest::addColumn<QString>("on");
        QTest::newRow("browsing") << Mode::Browsing << "NewRec DeleteRec List";
        QTest::newRow("adding") << Mode::Adding << "AddRec CancelAddNew Fields";
        QTest::newRow("editing") << Mode::Editing << "SaveEdit BackToReg List Fields";
    }

    void presetsAreTheModeTable() {
        QFETCH(RecordEditor::Mode, mode);
        QFETCH(QString, on);
        QCOMPARE(describe(RecordEditor::preset(mode)), on);
        // Each mode is reached from browsing by its own command.
        QCOMPARE(describe(startingIn(mode).state()), on);
    }

    // Each step from each mode, including the failure paths that leave the three modes.
    void steps_data() {
        QTest::addColumn<RecordEditor::Mode>("from");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("on");
        QTest::newRow("add stored") << Mode::Adding << "finishAdding+reload"
                                    << "NewRec DeleteRec List";
        QTest::newRow("cancel add") << Mode::Adding << "cancelAdding"
                                    << "NewRec DeleteRec List";
        QTest::newRow("save") << Mode::Editing << "finishEditing+reload"
                              << "NewRec DeleteRec List";
        QTest::newRow("save, nothing selected") << Mode::Editing << "finishEditing"
                                                << "NewRec DeleteRec List Fields";
        QTest::newRow("stop editing") << Mode::Editing << "stopEditing"
                                      << "NewRec DeleteRec List";
        QTest::newRow("domain add failed") << Mode::Adding << "CancelAddNew off+reload"
                                           << "AddRec List";
        QTest::newRow("quick link add failed") << Mode::Adding << "AddRec off+reload"
                                               << "CancelAddNew List";
        QTest::newRow("edit from editing") << Mode::Editing << "startEditing"
                                           << "SaveEdit BackToReg List Fields";
    }

    void steps() {
        QFETCH(RecordEditor::Mode, from);
        QFETCH(QString, step);
        QFETCH(QString, on);
        RecordEditor editor = startingIn(from);
        const QHash<QString, std::function<void()>> operations{
            {"finishAdding", [&] { editor.finishAdding(); }},
            {"cancelAdding", [&] { editor.cancelAdding(); }},
            {"finishEditing", [&] { editor.finishEditing(); }},
            {"stopEditing", [&] { editor.stopEditing(); }},
            {"startEditing", [&] { editor.startEditing(); }},
            {"CancelAddNew off", [&] { editor.set(C::CancelAddNew, false); }},
            {"AddRec off", [&] { editor.set(C::AddRec, false); }},
            {"reload", [&] { editor.listReloaded(); }},
        };
        for (const QString& part : step.split(QLatin1Char('+'))) operations.value(part)();
        QCOMPARE(describe(editor.state()), on);
    }
};

QTEST_MAIN(TestRecordEditor)
#include "tst_recordeditor.moc"
