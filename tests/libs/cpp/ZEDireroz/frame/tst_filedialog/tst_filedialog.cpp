// The file dialogs: with a parent the toolkit's dialog attached to that window,
// waited for in a local event loop; without one the platform's chooser.
#include "TestSupport/FileDialogDriver.h"
#include "ZEDireroz/frame/FileDialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using ZEDireroz::FileDialog;

class TestFileDialog : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QWidget m_window;

private slots:
    void initTestCase() { m_window.show(); }

    void saveWithParent()
    {
        QWidget* parent = nullptr;
        Qt::WindowModality modality = Qt::NonModal;
        QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
        QString title;
        QString const wanted = m_dir.filePath(QStringLiteral("New.lfsettings"));
        FileDialogDriver driver([&](QFileDialog* dialog) {
            parent = dialog->parentWidget();
            modality = dialog->windowModality();
            acceptMode = dialog->acceptMode();
            title = dialog->windowTitle();
            typeFileNames(dialog, wanted);
            pressAccept(dialog);
        });
        QString selected = QStringLiteral("untouched");
        QString const chosen = FileDialog::getSaveFileName(&m_window, QStringLiteral("Save Settings"),
                                                           m_dir.filePath(QStringLiteral("Settings.lfsettings")),
                                                           QStringLiteral("*.lfsettings"), &selected, {});
        QVERIFY(driver.done());
        QCOMPARE(chosen, wanted);
        QCOMPARE(parent, &m_window);
        QCOMPARE(modality, Qt::WindowModal);
        QCOMPARE(acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(title, QStringLiteral("Save Settings"));
        QCOMPARE(selected, QStringLiteral("untouched"));
    }

    void openWithParentKeepsOptions()
    {
        QString const wanted = makeFile(m_dir.path(), QStringLiteral("beat.txt"));
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QFileDialog::Options options;
        FileDialogDriver driver([&](QFileDialog* dialog) {
            mode = dialog->fileMode();
            options = dialog->options();
            typeFileNames(dialog, wanted);
            pressAccept(dialog);
        });
        QString const chosen = FileDialog::getOpenFileName(&m_window, QString(), m_dir.path(), QString(), nullptr,
                                                           QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
        QCOMPARE(chosen, wanted);
        QCOMPARE(mode, QFileDialog::ExistingFile);
        QVERIFY(options.testFlag(QFileDialog::ReadOnly));
        QVERIFY(options.testFlag(QFileDialog::DontUseNativeDialog));
    }

    void openManyWithParent()
    {
        QString const first = makeFile(m_dir.path(), QStringLiteral("b.txt"));
        QString const second = makeFile(m_dir.path(), QStringLiteral("a.txt"));
        QStringList reported;
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, QStringLiteral("\"b.txt\" \"a.txt\""));
            reported = dialog->selectedFiles();
            pressAccept(dialog);
        });
        QStringList const chosen =
            FileDialog::getOpenFileNames(&m_window, QString(), m_dir.path(), QString(), nullptr, {});
        QCOMPARE(reported.size(), 2);
        QCOMPARE(chosen, reported);
        QVERIFY(chosen.contains(first));
        QVERIFY(chosen.contains(second));
    }

    void cancelledWithParent_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("open") << 0;
        QTest::newRow("save") << 1;
        QTest::newRow("open many") << 2;
    }
    void cancelledWithParent()
    {
        QFETCH(int, which);
        QString const present = makeFile(m_dir.path(), QStringLiteral("present.txt"));
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, present);
            dialog->reject();
        });
        QStringList result;
        if (which == 0)
            result << FileDialog::getOpenFileName(&m_window, QString(), m_dir.path(), QString(), nullptr, {});
        else if (which == 1)
            result << FileDialog::getSaveFileName(&m_window, QString(), m_dir.path(), QString(), nullptr, {});
        else
            result = FileDialog::getOpenFileNames(&m_window, QString(), m_dir.path(), QString(), nullptr, {});
        QVERIFY(driver.done());
        QCOMPARE(result, which == 2 ? QStringList() : QStringList{QString()});
    }

    void parentClosedWhileOpen()
    {
        // The window the dialog hangs on goes away while the user still chooses.
        auto* window = new QWidget;
        window->show();
        FileDialogDriver driver([&](QFileDialog*) { delete window; });
        QString const chosen = FileDialog::getOpenFileName(window, QString(), m_dir.path(), QString(), nullptr, {});
        QVERIFY(driver.done());
        QCOMPARE(chosen, QString());
    }

    void withoutParentUsesThePlatformChooser()
    {
        QWidget* parent = &m_window;
        QStringList filters;
        FileDialogDriver driver([&](QFileDialog* dialog) {
            parent = dialog->parentWidget();
            filters = dialog->nameFilters();
            typeFileNames(dialog, QStringLiteral("Mine"));
            pressAccept(dialog);
        });
        QString const chosen = FileDialog::getSaveFileName(nullptr, QStringLiteral("Save Settings"),
                                                           m_dir.filePath(QStringLiteral("Settings.lfsettings")),
                                                           QStringLiteral("*.lfsettings"), nullptr, {});
        QCOMPARE(parent, nullptr);
        QCOMPARE(filters, QStringList{QStringLiteral("*.lfsettings")});
        QCOMPARE(chosen, m_dir.filePath(QStringLiteral("Mine.lfsettings")));
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
