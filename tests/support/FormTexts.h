#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QtTest>

// One table per form: object name, class, caption, tool tip, enabled at design time.
namespace FormTexts {

inline void addColumns() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("enabled");
}

inline void row(const char* name, const char* className, const QString& caption,
                const QString& toolTip = {}, bool enabled = true) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className) << caption
                        << toolTip << enabled;
}

inline QString captionOf(QObject* object) {
    if (auto* w = qobject_cast<QAbstractButton*>(object)) return w->text();
    if (auto* w = qobject_cast<QGroupBox*>(object)) return w->title();
    if (auto* w = qobject_cast<QLabel*>(object)) return w->text();
    if (auto* w = qobject_cast<QLineEdit*>(object)) return w->text();
    if (auto* w = qobject_cast<QMenu*>(object)) return w->title();
    if (auto* w = qobject_cast<QAction*>(object)) return w->text();
    if (auto* w = qobject_cast<QWidget*>(object); w && w->isWindow()) return w->windowTitle();
    return {};
}

// Checks the current data row against `form` and its children.
inline void check(QWidget* form) {
    QFETCH(QString, objectName);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(bool, enabled);
    QObject* object =
        form->objectName() == objectName ? form : form->findChild<QObject*>(objectName);
    QVERIFY2(object, qPrintable(objectName));
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QCOMPARE(captionOf(object), caption);
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        QCOMPARE(widget->toolTip(), toolTip);
        QCOMPARE(widget->isEnabled(), enabled);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        QCOMPARE(action->isEnabled(), enabled);
    }
}

}  // namespace FormTexts
