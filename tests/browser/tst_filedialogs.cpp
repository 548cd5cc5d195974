#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileSystemModel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "platform/FileDialogs.h"
#include "platform/FolderConfinement.h"
#include "platform/QtDialogService.h"

namespace {

void touch(const QString& file) {
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
}

}  // namespace

// The file dialogs a user can reach: read-only, and the confined ones kept in their folder.
class TestFileDialogs : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_root;     // the confining folder
    QString m_outside;  // a sibling whose name starts like the folder's

    // Runs `answer` on the first visible dialog of type T, from a timer that fires inside the
    // dialog's own loop; the test itself never starts a loop.
    template <typename T>
    void answerDialogs(std::function<void(T*)> answer) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [timer, answer] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<T*>(widget);
                if (!dialog || !dialog->isVisible()) continue;
                timer->stop();
                timer->deleteLater();
                answer(dialog);
                return;
            }
        });
        timer->start(20);
    }

private slots:
    void initTestCase() {
        // The download folder is found under the home folder: a private one.
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/config")));
        m_root = m_dir.path() + QStringLiteral("/Favorites");
        m_outside = m_dir.path() + QStringLiteral("/Favorites2");
        QVERIFY(QDir().mkpath(m_root + QStringLiteral("/School")));
        QVERIFY(QDir().mkpath(m_outside));
        touch(m_root + QStringLiteral("/a.url"));
        touch(m_root + QStringLiteral("/School/b.url"));
        touch(m_outside + QStringLiteral("/c.url"));
        QVERIFY(QFile::link(m_outside, m_root + QStringLiteral("/away")));
        QVERIFY(
            QFile::link(m_outside + QStringLiteral("/c.url"), m_root + QStringLiteral("/c.url")));
    }

    void confinement_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("save");
        QTest::newRow("the folder") << "" << true << false << false;
        QTest::newRow("a file in it") << "/a.url" << false << true << true;
        QTest::newRow("a new file in it") << "/new.pdf" << false << true << true;
        QTest::newRow("a subfolder") << "/School" << true << false << false;
        QTest::newRow("a file below") << "/School/b.url" << false << true << false;
        QTest::newRow("climbing out") << "/../Favorites2/c.url" << false << false << false;
        QTest::newRow("the folder's parent") << "/.." << false << false << false;
        QTest::newRow("a sibling with the same start") << "2/c.url" << false << false << false;
        QTest::newRow("a link to a folder outside") << "/away" << false << false << false;
        QTest::newRow("a file through that link") << "/away/c.url" << false << false << false;
        QTest::newRow("a link to a file outside") << "/c.url" << false << false << false;
    }

    void confinement() {
        QFETCH(QString, path);
        QFETCH(bool, folder);
        QFETCH(bool, open);
        QFETCH(bool, save);
        const FolderConfinement confinement(m_root);
        QCOMPARE(confinement.containsFolder(m_root + path), folder);
        QCOMPARE(confinement.allowsOpen(m_root + path), open);
        QCOMPARE(confinement.allowsSave(m_root + path), save);
    }

    void dialogsAreQtsOwnAndReadOnly_data() {
        QTest::addColumn<int>("purpose");  // -1: the unconfined open dialog
        QTest::newRow("open") << -1;
        QTest::newRow("confined open") << int(ConfinedFileDialog::Purpose::Open);
        QTest::newRow("confined save") << int(ConfinedFileDialog::Purpose::Save);
    }

    void dialogsAreQtsOwnAndReadOnly() {
        QFETCH(int, purpose);
        std::unique_ptr<QFileDialog> dialog;
        if (purpose < 0) {
            dialog = std::make_unique<QFileDialog>(nullptr, QString(), m_root);
            FileDialogs::makeReadOnly(*dialog);
        } else {
            dialog = std::make_unique<ConfinedFileDialog>(
                nullptr, ConfinedFileDialog::Purpose(purpose), m_root, QStringLiteral("t"),
                QStringLiteral("All (*)"));
        }
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dialog->testOption(QFileDialog::ReadOnly));
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->setDirectory(m_root + QStringLiteral("/School"));
        QVERIFY(dialog->findChild<QFileSystemModel*>()->isReadOnly());
        QVERIFY(!dialog->findChild<QToolButton*>(QStringLiteral("newFolderButton"))->isEnabled());
        for (const char* name : {"qt_rename_action", "qt_delete_action", "qt_new_folder_action"}) {
            auto* action = dialog->findChild<QAction*>(QLatin1String(name));
            QVERIFY2(action && !action->isEnabled(), name);
        }
        const QStringList before = QDir(m_root + QStringLiteral("/School")).entryList();
        dialog->findChild<QAction*>(QStringLiteral("qt_new_folder_action"))->trigger();
        QCOMPARE(QDir(m_root + QStringLiteral("/School")).entryList(), before);
    }

    // Every way to another folder leads back into the confining one.
    void confinedDialogStaysInItsFolder() {
        ConfinedFileDialog dialog(nullptr, ConfinedFileDialog::Purpose::Open, m_root,
                                  QStringLiteral("Open Book Mark"),
                                  QStringLiteral("Book Marks (*.url)"));
        QCOMPARE(dialog.directory().absolutePath(), m_root);
        QCOMPARE(dialog.sidebarUrls(), QList<QUrl>{QUrl::fromLocalFile(m_root)});
        dialog.setDirectory(m_root + QStringLiteral("/School"));
        // A correction would be queued by now: an event queued after it marks its turn.
        bool queuedAfter = false;
        QMetaObject::invokeMethod(
            &dialog, [&queuedAfter] { queuedAfter = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(queuedAfter);
        QCOMPARE(dialog.directory().absolutePath(), m_root + QStringLiteral("/School"));

        for (const QString& elsewhere :
             {m_outside, m_dir.path(), m_root + QStringLiteral("/away")}) {
            dialog.setDirectory(elsewhere);
            QTRY_COMPARE(dialog.directory().absolutePath(), m_root);
        }
        emit dialog.directoryEntered(QStringLiteral("/"));
        dialog.setDirectory(QStringLiteral("/"));
        QTRY_COMPARE(dialog.directory().absolutePath(), m_root);

        // A typed path outside is never accepted.
        dialog.selectFile(m_outside + QStringLiteral("/c.url"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.directory().absolutePath(), m_root);
        dialog.selectFile(m_root + QStringLiteral("/a.url"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedFiles(), QStringList{m_root + QStringLiteral("/a.url")});
    }

    // The service's dialogs, each answered by a timer inside its own loop.
    void serviceSavesOnlyIntoTheDownloadFolder() {
        QString shownIn;
        bool confined = false;
        answerDialogs<ConfinedFileDialog>([&](ConfinedFileDialog* dialog) {
            confined = dialog->testOption(QFileDialog::ReadOnly);
            shownIn = dialog->directory().absolutePath();
            dialog->reject();
        });
        QtDialogService service;
        QCOMPARE(service.saveFileName(nullptr, QStringLiteral("Save As"),
                                      QStringLiteral("Web Page|*.html"),
                                      QStringLiteral("/etc/page.html")),
                 QString());
        QVERIFY(confined);
        QCOMPARE(shownIn, QFileInfo(QtDialogService::downloadFolder()).canonicalFilePath());
        QVERIFY(shownIn.startsWith(m_dir.path()));
    }

    void printDialogOffersNoPrintToFile() {
        bool toFile = true;
        bool pdfPrinter = true;
        answerDialogs<QPrintDialog>([&](QPrintDialog* dialog) {
            toFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
            pdfPrinter = false;
            for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
                for (int i = 0; i < box->count(); ++i)
                    pdfPrinter = pdfPrinter || box->itemText(i).contains(QLatin1String("PDF"));
            }
            dialog->reject();
        });
        QPrinter printer;
        QVERIFY(!QtDialogService().choosePrinter(nullptr, printer));
        QVERIFY(!toFile);
        QVERIFY(!pdfPrinter);
    }

    void confinedSaveOnlyIntoTheFolder() {
        ConfinedFileDialog dialog(nullptr, ConfinedFileDialog::Purpose::Save, m_root,
                                  QStringLiteral("Save As"), QStringLiteral("Pages (*.html)"));
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        dialog.selectFile(m_outside + QStringLiteral("/page.html"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.selectFile(m_root + QStringLiteral("/page.html"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
