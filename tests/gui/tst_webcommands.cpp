#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QtTest>

#include "LocalHttpServer.h"
#include "RecordingDialogService.h"
#include "browser/WebCommands.h"
#include "platform/QtWebComponent.h"

namespace {

constexpr int kTimeout = 20000;
const QString kText = QStringLiteral("Turtles sleep underwater");

using Command = WebComponent::Command;

// The text of a PDF file, through poppler's pdftotext.
QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {file, QStringLiteral("-")});
    if (!process.waitForFinished(kTimeout)) return {};
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

QString fileText(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

}  // namespace

// The page commands on the real engine, offscreen, with a page from 127.0.0.1: each runs,
// shows its message when not enabled, or does nothing before any page has loaded.
class TestWebCommands : public QObject {
    Q_OBJECT

    QWebEngineProfile* m_profile = nullptr;
    LocalHttpServer m_server;
    QTemporaryDir m_downloads;

    static bool selectParagraph(QtWebComponent& web) {
        auto selected = std::make_shared<bool>(false);
        web.page()->runJavaScript(
            QStringLiteral("var r = document.createRange();"
                           "r.selectNodeContents(document.getElementById('t'));"
                           "getSelection().removeAllRanges(); getSelection().addRange(r); true"),
            [selected](const QVariant& v) { *selected = v.toBool(); });
        return QTest::qWaitFor([&] { return *selected && web.page()->hasSelection(); }, kTimeout);
    }

private slots:
    void initTestCase() {
        m_profile = QtWebComponent::createProfile(QString(), this);
        m_server.setPage(QStringLiteral("/page.html"),
                         QStringLiteral("<!DOCTYPE html><html><head><title>Turtles</title></head>"
                                        "<body><p id='t'>%1</p></body></html>")
                             .arg(kText));
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed to read the printed PDF");
    }

    // state: "none" (no page ever loaded), "page", "selection" (page with text selected),
    // "hidden" (a page the window does not show). outcome: "done", "message", "nothing".
    void commands_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("message");
        const QString print = QStringLiteral("The Print command is currently disabled.");
        const auto row = [](const char* name, Command command, const char* state,
                            const char* outcome, const QString& message = {}) {
            QTest::newRow(name) << int(command) << state << outcome << message;
        };
        row("Save As", Command::SaveAs, "page", "done");
        row("Save As, no page", Command::SaveAs, "none", "nothing");
        row("Save As, hidden page", Command::SaveAs, "hidden", "message",
            QStringLiteral("The SaveAs command is currently disabled."));
        row("Page Setup", Command::PageSetup, "page", "done");
        row("Page Setup, no page", Command::PageSetup, "none", "nothing");
        row("Page Setup, hidden page", Command::PageSetup, "hidden", "message", print);
        row("Print to PDF", Command::Print, "page", "done");
        row("Print, no page", Command::Print, "none", "nothing");
        row("Print, hidden page", Command::Print, "hidden", "message", print);
        row("Copy", Command::Copy, "selection", "done");
        row("Copy, no selection", Command::Copy, "page", "message",
            QStringLiteral("Select the text before utilizing this option."));
        row("Copy, no page", Command::Copy, "none", "nothing");
        row("Select All", Command::SelectAll, "page", "done");
        row("Select All, no page", Command::SelectAll, "none", "nothing");
    }

    void commands() {
        QFETCH(int, command);
        QFETCH(QString, state);
        QFETCH(QString, outcome);
        QFETCH(QString, message);
        QWidget window;
        window.resize(400, 300);
        QtWebComponent web(m_profile, &window);
        web.widget()->resize(400, 300);
        window.show();
        RecordingDialogService dialogs;
        WebCommands commands(&window, web, dialogs, [&] { return state != "hidden"; });
        commands.setPrinterInstalled([] { return false; });
        if (state != "none") {
            QSignalSpy complete(&web, &WebComponent::NavigateComplete2);
            web.Navigate(m_server.url(QStringLiteral("/page.html")));
            QVERIFY(complete.wait(kTimeout));
            QTRY_VERIFY_WITH_TIMEOUT(!web.Busy(), kTimeout);
        }
        if (state == "selection") QVERIFY(selectParagraph(web));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        const QString file = m_downloads.filePath(
            QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), '_') +
            (command == int(Command::Print) ? ".pdf" : ".html"));
        dialogs.files << file;

        commands.run(Command(command));

        QCOMPARE(dialogs.messages, message.isEmpty() ? QStringList{} : QStringList{message});
        const bool done = outcome == "done";
        if (outcome == "nothing") QVERIFY(dialogs.filters.isEmpty());
        switch (Command(command)) {
            case Command::SaveAs:
                if (done) QTRY_VERIFY_WITH_TIMEOUT(fileText(file).contains(kText), kTimeout);
                break;
            case Command::PageSetup:
                QCOMPARE(dialogs.pageSetupDialogs, done ? 1 : 0);
                break;
            case Command::Print:
                if (done) {
                    QSignalSpy finished(web.page(), &QWebEnginePage::pdfPrintingFinished);
                    QVERIFY(finished.wait(kTimeout));
                    QCOMPARE(finished.first().at(1).toBool(), true);
                    QCOMPARE(pdfText(file), kText);
                }
                break;
            case Command::Copy:
                QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text().simplified(),
                                          done ? kText : QStringLiteral("before"), kTimeout);
                break;
            case Command::SelectAll:
                if (done) QTRY_VERIFY_WITH_TIMEOUT(web.page()->hasSelection(), kTimeout);
                if (done) QCOMPARE(web.page()->selectedText().simplified(), kText);
                break;
            case Command::Paste:
                break;
        }
        if (!done) QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(TestWebCommands)
#include "tst_webcommands.moc"
