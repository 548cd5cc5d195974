#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "RecordingDialogService.h"
#include "platform/DesktopPrograms.h"
#include "platform/FileChooser.h"
#include "platform/Pictures.h"

// The desktop helpers the wizard and the dialogs share: the remembering file chooser,
// picture loading and finding desktop programs.
class DesktopPlatformTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString makeFile(const QString& name, bool executable) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write("#!/bin/sh\n");
        file.close();
        if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }

private slots:
    // The wizard's about-picture dialog: the about picture's click sets filter and folder,
    // "&Find Image" only its filter.
    void aboutPictureDialogCancelCases_data() {
        QTest::addColumn<QStringList>("steps");  // "click:<answer>" or "find:<answer>"
        QTest::addColumn<QStringList>("results");
        QTest::newRow("click cancelled, nothing chosen before")
            << QStringList{"click:"} << QStringList{""};
        QTest::newRow("find cancelled, nothing chosen before")
            << QStringList{"find:"} << QStringList{""};
        QTest::newRow("click chose a picture, find cancelled")
            << QStringList{"click:/pics/a.bmp", "find:"}
            << QStringList{"/pics/a.bmp", "/pics/a.bmp"};
        QTest::newRow("find chose a picture, click cancelled")
            << QStringList{"find:/pics/b.bmp", "click:"}
            << QStringList{"/pics/b.bmp", "/pics/b.bmp"};
        QTest::newRow("a later choice replaces the earlier")
            << QStringList{"click:/pics/a.bmp", "find:/pics/b.bmp", "click:"}
            << QStringList{"/pics/a.bmp", "/pics/b.bmp", "/pics/b.bmp"};
    }
    void aboutPictureDialogCancelCases() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, results);
        RecordingDialogService dialogs;
        FileChooser chooser(dialogs);
        QStringList got, expectedFilters, expectedFolders;
        QString folder;
        for (const QString& step : steps) {
            const QString answer = step.section(QLatin1Char(':'), 1);
            if (!answer.isEmpty()) dialogs.files.enqueue(answer);
            if (step.startsWith(QLatin1String("click"))) {
                chooser.setFilter(QStringLiteral("Custom Image (*.bmp)|*.bmp"));
                chooser.setDirectory(QStringLiteral("/app"));
                folder = QStringLiteral("/app");
            } else {
                chooser.setFilter(QStringLiteral("Pictures (*.bmp)|*.bmp"));
            }
            expectedFilters << chooser.filter();
            expectedFolders << folder;
            got << chooser.choose(nullptr);
        }
        QCOMPARE(got, results);
        QCOMPARE(dialogs.filters, expectedFilters);
        QCOMPARE(dialogs.directories, expectedFolders);
    }

    void choosersKeepTheirOwnState() {
        RecordingDialogService dialogs;
        FileChooser icons(dialogs), pictures(dialogs);
        icons.setFilter(QStringLiteral("Pictures (*.ico)|*.ico"));
        QCOMPARE(icons.choose(nullptr), QString());  // cancelled, nothing chosen before
        dialogs.files.enqueue(QStringLiteral("/pics/a.bmp"));
        pictures.choose(nullptr);
        QCOMPARE(icons.choose(nullptr), QString());
        QCOMPARE(pictures.fileName(), QStringLiteral("/pics/a.bmp"));
        QCOMPARE(pictures.filter(), QString());
    }

    void picturesLoadFromAnyFormatQtReads_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bitmap") << "a.bmp" << QByteArray("BMP");
        QTest::newRow("icon") << "a.ico" << QByteArray("ICO");
        QTest::newRow("png") << "a.png" << QByteArray("PNG");
        QTest::newRow("jpeg") << "a.jpg" << QByteArray("JPEG");
        QTest::newRow("png named .bmp") << "wrong.bmp" << QByteArray("PNG");
    }
    void picturesLoadFromAnyFormatQtReads() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString path = m_dir.filePath(name);
        QVERIFY(image.save(path, format.constData()));
        QCOMPARE(Pictures::load(path).size(), QSize(8, 6));
        const std::optional<QIcon> icon = Pictures::windowIcon(path);
        QVERIFY(icon && !icon->isNull());
    }

    void noPicture() {
        const QString text = makeFile(QStringLiteral("notes.bmp"), false);
        QVERIFY(Pictures::load(QString()).isNull());
        QVERIFY(Pictures::load(text).isNull());
        QVERIFY(Pictures::load(m_dir.filePath(QStringLiteral("missing.png"))).isNull());
        // The empty path clears the icon; an unreadable file keeps whatever icon there was.
        QVERIFY(Pictures::windowIcon(QString()).has_value());
        QVERIFY(Pictures::windowIcon(QString())->isNull());
        QVERIFY(!Pictures::windowIcon(text).has_value());
    }

    void findFirstProgramOnThePath() {
        QTemporaryDir first, second;
        const auto install = [](const QTemporaryDir& dir, const QString& name, bool executable) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        };
        const QString path = first.path() + QStringLiteral("::") + second.path();
        const QStringList wanted{"settings-a --panel net", "settings-b"};
        QCOMPARE(DesktopPrograms::findFirst(wanted, path), QString());
        install(first, QStringLiteral("settings-b"), false);  // not executable: skipped
        QCOMPARE(DesktopPrograms::findFirst(wanted, path), QString());
        install(second, QStringLiteral("settings-b"), true);
        QCOMPARE(DesktopPrograms::findFirst(wanted, path), second.filePath("settings-b"));
        install(second, QStringLiteral("settings-a"), true);
        QCOMPARE(DesktopPrograms::findFirst(wanted, path),
                 second.filePath("settings-a") + QStringLiteral(" --panel net"));
        QCOMPARE(DesktopPrograms::findFirst(wanted, QString()), QString());
    }

    void programInAFolderWithABlankIsQuoted() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("my tools"));
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/hardinfo"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        QCOMPARE(DesktopPrograms::findFirst(DesktopPrograms::systemInformation(), folder),
                 QLatin1Char('"') + folder + QStringLiteral("/hardinfo\""));
    }
};

QTEST_MAIN(DesktopPlatformTest)
#include "tst_desktopplatform.moc"
