// The parentless choosers: the type list taken from a filter, and the open and
// save choosers driven to accept and to cancel.
#include "TestSupport/FileDialogDriver.h"
#include "platform/desktop/FileDialog_mac.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFileDialogMac : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void fileTypes_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("types");
        QTest::newRow("one pattern") << "*.lfsettings" << QStringList{"lfsettings"};
        QTest::newRow("two entries") << "*.png;;*.jpg" << QStringList{"png", "jpg"};
        QTest::newRow("trailing separator") << "*.png;;*.jpg;;" << QStringList{"png", "jpg"};
        QTest::newRow("titled entry") << "Images (*.png *.jpg)" << QStringList{"png", "jpg"};
        QTest::newRow("titles with dots and parentheses")
            << "Settings v1.0 (old) (*.lfsettings);;Text files (*.txt *.text)"
            << QStringList{"lfsettings", "txt", "text"};
        QTest::newRow("patterns split by semicolon") << "Pictures (*.png;*.gif)" << QStringList{"png", "gif"};
        QTest::newRow("repeats dropped") << "A (*.png);;B (*.png *.bmp)" << QStringList{"png", "bmp"};
        QTest::newRow("empty means all files") << "" << QStringList{};
        QTest::newRow("star means all files") << "Images (*.png);;All files (*)" << QStringList{};
        QTest::newRow("star dot star means all files") << "*.*" << QStringList{};
    }
    void fileTypes()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, types);
        QCOMPARE(FileDialog_mac::fileTypes(filter), types);
    }

    void openAccepted()
    {
        QString const wanted = makeFile(m_dir.path(), QStringLiteral("beat.lfsettings"));
        QString title;
        QStringList filters;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        FileDialogDriver driver([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            mode = dialog->fileMode();
            typeFileNames(dialog, wanted);
            pressAccept(dialog);
        });
        QString selected = QStringLiteral("untouched");
        QString const chosen =
            FileDialog_mac::getOpenFileName(nullptr, QStringLiteral("Load Settings"), m_dir.path(),
                                            QStringLiteral("Settings (*.lfsettings)"), &selected, {});
        QCOMPARE(chosen, wanted);
        QCOMPARE(title, QStringLiteral("Load Settings"));
        QCOMPARE(filters, QStringList{QStringLiteral("*.lfsettings")});
        QCOMPARE(mode, QFileDialog::ExistingFile);
        QCOMPARE(selected, QStringLiteral("untouched"));
    }

    void saveAcceptedAddsTheType()
    {
        QStringList filters;
        QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
        FileDialogDriver driver([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            acceptMode = dialog->acceptMode();
            typeFileNames(dialog, QStringLiteral("Settings"));
            pressAccept(dialog);
        });
        QString const chosen = FileDialog_mac::getSaveFileName(nullptr, QStringLiteral("Save Settings"),
                                                               m_dir.filePath(QStringLiteral("Settings.lfsettings")),
                                                               QStringLiteral("*.lfsettings"), nullptr, {});
        QCOMPARE(acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(filters, QStringList{QStringLiteral("*.lfsettings")});
        QCOMPARE(chosen, m_dir.filePath(QStringLiteral("Settings.lfsettings")));
    }

    void openManyAcceptedGivesOneFile()
    {
        QString const wanted = makeFile(m_dir.path(), QStringLiteral("one.txt"));
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, wanted);
            pressAccept(dialog);
        });
        QCOMPARE(FileDialog_mac::getOpenFileNames(nullptr, QString(), m_dir.path(), QString(), nullptr, {}),
                 QStringList{wanted});
    }

    void cancelled_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("open") << 0;
        QTest::newRow("save") << 1;
        QTest::newRow("open many") << 2;
    }
    void cancelled()
    {
        QFETCH(int, which);
        makeFile(m_dir.path(), QStringLiteral("present.txt"));
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, m_dir.filePath(QStringLiteral("present.txt")));
            dialog->reject();
        });
        // A cancelled multi-file open is an empty list, not a list of one empty name.
        QStringList result;
        if (which == 0)
            result << FileDialog_mac::getOpenFileName(nullptr, QString(), m_dir.path(), QString(), nullptr, {});
        else if (which == 1)
            result << FileDialog_mac::getSaveFileName(nullptr, QString(), m_dir.path(), QString(), nullptr, {});
        else
            result = FileDialog_mac::getOpenFileNames(nullptr, QString(), m_dir.path(), QString(), nullptr, {});
        QVERIFY(driver.done());
        QCOMPARE(result, which == 2 ? QStringList() : QStringList{QString()});
    }

    void withParentShowsNothing()
    {
        QWidget parent;
        FileDialogDriver driver([](QFileDialog* dialog) { dialog->reject(); });
        QCOMPARE(FileDialog_mac::getOpenFileName(&parent, QString(), QString(), QString(), nullptr, {}), QString());
        QCOMPARE(FileDialog_mac::getSaveFileName(&parent, QString(), QString(), QString(), nullptr, {}), QString());
        QCOMPARE(FileDialog_mac::getOpenFileNames(&parent, QString(), QString(), QString(), nullptr, {}),
                 QStringList());
        QTest::qWait(100);
        QVERIFY(!driver.done());
    }
};

QTEST_MAIN(TestFileDialogMac)
#include "tst_filedialog_mac.moc"
