#include <QFileDialog>
#include <QFileSystemModel>
#include <QtTest>

#include "browser/MenuCommands.h"
#include "browser/WebCommands.h"
#include "platform/DialogService.h"

// The one conversion of the program's file dialog filters into Qt's, on every filter the
// program uses, and what Qt's own file dialog then filters by.
class TestDialogFilter : public QObject {
    Q_OBJECT

private slots:
    void toQtFilter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qtFilters");
        QTest::addColumn<QStringList>("firstPatterns");
        QTest::newRow("open file")
            << MenuCommands::kOpenFileFilter
            << QStringList{"Html-Htm (*.html *.htm)", "Pictures(*.jpg *.gif)",
                           "Text & Doc Files(*.doc *.txt *.rtf)", "All Files(*.*)"}
            << QStringList{"*.html", "*.htm"};
        QTest::newRow("book marks") << "Book Marks(*.url)|*.url" << QStringList{"Book Marks(*.url)"}
                                    << QStringList{"*.url"};
        QTest::newRow("start page")
            << "All Files (*.*)|*.*" << QStringList{"All Files (*.*)"} << QStringList{"*.*"};
        QTest::newRow("button picture")
            << "Icons (*.ico)|*.ico|Bitmaps(*.bmp)|*.bmp"
            << QStringList{"Icons (*.ico)", "Bitmaps(*.bmp)"} << QStringList{"*.ico"};
        QTest::newRow("button program")
            << "Pictures (*.*)|*.*" << QStringList{"Pictures (*.*)"} << QStringList{"*.*"};
        QTest::newRow("icon") << "Pictures (*.ico)|*.ico" << QStringList{"Pictures (*.ico)"}
                              << QStringList{"*.ico"};
        QTest::newRow("custom image")
            << "Custom Image (*.bmp)|*.bmp" << QStringList{"Custom Image (*.bmp)"}
            << QStringList{"*.bmp"};
        QTest::newRow("about picture")
            << "Pictures (*.bmp)|*.bmp" << QStringList{"Pictures (*.bmp)"} << QStringList{"*.bmp"};
        QTest::newRow("save page") << WebCommands::kSaveAsFilter
                                   << QStringList{"Web Page (*.html *.htm)", "Web Archive (*.mht)"}
                                   << QStringList{"*.html", "*.htm"};
        QTest::newRow("print to pdf")
            << WebCommands::kPdfFilter << QStringList{"PDF Files (*.pdf)"} << QStringList{"*.pdf"};
        // Descriptions that do not show their patterns get them appended, and the real
        // patterns are the ones Qt reads.
        QTest::newRow("bare description")
            << "Book Marks|*.url;*.URL" << QStringList{"Book Marks (*.url *.URL)"}
            << QStringList{"*.url", "*.URL"};
        QTest::newRow("other patterns shown")
            << "Pictures (*.ico)|*.bmp" << QStringList{"Pictures (*.ico) (*.bmp)"}
            << QStringList{"*.bmp"};
        QTest::newRow("description without patterns")
            << "Icons (*.ico)|*.ico|Leftover" << QStringList{"Icons (*.ico)"}
            << QStringList{"*.ico"};
    }

    void toQtFilter() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qtFilters);
        QFETCH(QStringList, firstPatterns);
        const QString converted = DialogService::toQtFilter(filter);
        QCOMPARE(converted.split(QStringLiteral(";;")), qtFilters);

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilter(converted);
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        QCOMPARE(model->nameFilters(), firstPatterns);
    }

    void emptyFilter() { QCOMPARE(DialogService::toQtFilter(QString()), QString()); }
};

QTEST_MAIN(TestDialogFilter)
#include "tst_dialogfilter.moc"
