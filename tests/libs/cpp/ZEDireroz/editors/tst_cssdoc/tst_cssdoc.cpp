// The style-sheet document: its own look, and load, edit, save through the file
// dialogs (driven here as a user would); files too large refused, and failed
// saves shown with their reason.
#include "MTools/WholeFile.h"
#include "TestSupport/ChildNamespace.h"
#include "TestSupport/FileDialogDriver.h"
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/editors/CssDoc.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>

using ZEDireroz::CssDoc;

namespace {

QString readFile(QString const& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<unreadable>");
    return QString::fromUtf8(file.readAll());
}

QByteArray readBytes(QString const& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The labels of a message box, joined.
QString boxText(QWidget* box)
{
    QString text;
    for (QLabel* label : box->findChildren<QLabel*>())
        text += label->text();
    return text;
}

void writeFile(QString const& path, QByteArray const& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Records the text of every message box of the application shown while it
// lives and closes it; file dialogs are left alone.
struct MessageSeen
{
    int shown = 0;
    QString text;
    QTimer timer;
    MessageSeen()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<ZEDireroz::MessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            ++shown;
            for (QLabel* label : box->findChildren<QLabel*>())
                text += label->text();
            box->reject();
        });
        timer.start();
    }
};

constexpr qint64 kMiB = 1024 * 1024;

} // namespace

class TestCssDoc : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // Runs one of the document's slots with its dialog answered by typing the
    // path (accept) or by cancelling (empty path).
    void answerDialog(CssDoc& doc, void (CssDoc::*slot)(), QString const& path, QString* title = nullptr,
                      QFileDialog::AcceptMode* mode = nullptr)
    {
        FileDialogDriver driver([&](QFileDialog* dialog) {
            if (title)
                *title = dialog->windowTitle();
            if (mode)
                *mode = dialog->acceptMode();
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            typeFileNames(dialog, path);
            pressAccept(dialog);
        });
        (doc.*slot)();
        QVERIFY2(driver.done(), "no file dialog was shown");
    }

private slots:
    void ownLook()
    {
        CssDoc doc;
        QFont const font = doc.document()->defaultFont();
        QCOMPARE(font.family(), QStringLiteral("Lucida Console"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), 50);
        QVERIFY(!font.italic());
        QCOMPARE(doc.styleSheet(), QStringLiteral("QTextEdit{background: #000060; color: yellow;}"));
        QCOMPARE(doc.fileName(), QString());
    }

    void loadEditSaveRoundTrip()
    {
        QString const path = m_dir.filePath(QStringLiteral("look.qss"));
        writeFile(path, QByteArray("QPushButton { color: red; }\n/* note */\n"));
        CssDoc doc;
        doc.show();
        doc.setPlainText(QStringLiteral("unsaved text, replaced without a question"));
        QSignalSpy titles(&doc, &CssDoc::changeWindowTitle);

        answerDialog(doc, &CssDoc::slotLoad, path);
        QCOMPARE(doc.toPlainText(), QStringLiteral("QPushButton { color: red; }\n/* note */\n"));
        QCOMPARE(doc.fileName(), path);
        QCOMPARE(titles.count(), 1);
        QCOMPARE(titles.at(0).at(0).toString(), path);
        // The loaded text is coloured: the comment line is dark grey throughout.
        QTextBlock const comment = doc.document()->findBlockByNumber(1);
        QVERIFY(!comment.layout()->formats().isEmpty());
        QCOMPARE(comment.layout()->formats().constFirst().format.foreground().color(), QColor(Qt::darkGray));

        // Edited, then saved to the same file: shorter text leaves nothing of the old behind.
        doc.setPlainText(QStringLiteral("QLabel{}"));
        doc.slotSave();
        QCOMPARE(readFile(path), QStringLiteral("QLabel{}"));
        QCOMPARE(titles.count(), 2);
        QCOMPARE(titles.at(1).at(0).toString(), path);
    }

    void loadCancelledChangesNothing()
    {
        CssDoc doc;
        doc.setPlainText(QStringLiteral("kept"));
        QSignalSpy titles(&doc, &CssDoc::changeWindowTitle);
        answerDialog(doc, &CssDoc::slotLoad, QString());
        QCOMPARE(doc.toPlainText(), QStringLiteral("kept"));
        QCOMPARE(doc.fileName(), QString());
        QCOMPARE(titles.count(), 0);
    }

    void saveOnANewDocumentAsksForAName()
    {
        CssDoc doc;
        doc.setHtml(QStringLiteral("<b>QLabel</b> { color: <i>blue</i>; }"));
        QSignalSpy titles(&doc, &CssDoc::changeWindowTitle);

        // Cancelled: still bound to nothing, and the next Save asks again.
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        answerDialog(doc, &CssDoc::slotSave, QString(), nullptr, &mode);
        QCOMPARE(mode, QFileDialog::AcceptSave);
        QCOMPARE(doc.fileName(), QString());
        QCOMPARE(titles.count(), 0);

        QString const path = m_dir.filePath(QStringLiteral("new.qss"));
        answerDialog(doc, &CssDoc::slotSave, path);
        QCOMPARE(doc.fileName(), path);
        QCOMPARE(titles.count(), 1);
        QCOMPARE(titles.at(0).at(0).toString(), path);
        // Plain text only: no markup reaches the file.
        QCOMPARE(readFile(path), QStringLiteral("QLabel { color: blue; }"));
    }

    void saveAsShowsTheCurrentNameAndRebinds()
    {
        QString const first = m_dir.filePath(QStringLiteral("first.qss"));
        QString const second = m_dir.filePath(QStringLiteral("second.qss"));
        CssDoc doc;
        doc.setPlainText(QStringLiteral("QWidget{}"));
        answerDialog(doc, &CssDoc::slotSaveAs, first);
        QString title;
        answerDialog(doc, &CssDoc::slotSaveAs, second, &title);
        QCOMPARE(title, first);
        QCOMPARE(doc.fileName(), second);
        QCOMPARE(readFile(second), QStringLiteral("QWidget{}"));
    }

    // A sheet from another program is shown as it is and saved back byte for
    // byte: its encoding, its mark and its line ends are kept.
    void sheetKeepsItsBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addRow("Latin-1, CR LF") << QByteArray("/* caf\xe9 */\r\nQLabel{}\r\n")
                                        << QStringLiteral("/* caf\u00e9 */\nQLabel{}\n");
        QTest::addRow("UTF-8 with mark, CR")
            << QByteArray("\xef\xbb\xbf/* caf\xc3\xa9 */\rQLabel{}") << QStringLiteral("/* caf\u00e9 */\nQLabel{}");
        QTest::addRow("UTF-16 LE with mark") << QByteArray("\xff\xfe"
                                                           "a\0{\0}\0\xe9\0\n\0",
                                                           12)
                                             << QStringLiteral("a{}\u00e9\n");
        QTest::addRow("mixed line ends, line separator")
            << QByteArray("a{}\nb{}\r\n/* \xe2\x80\xa8 */\r") << QStringLiteral("a{}\nb{}\n/* \n */\n");
    }
    void sheetKeepsItsBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QString const path = dir.filePath(QStringLiteral("sheet.qss"));
        writeFile(path, bytes);
        CssDoc doc;
        answerDialog(doc, &CssDoc::slotLoad, path);
        QCOMPARE(doc.toPlainText(), shown);
        ModalAnswer box([](QDialog* dialog) { dialog->reject(); });
        doc.slotSave();
        QVERIFY(!box.seen());
        QCOMPARE(readBytes(path).toHex(' '), bytes.toHex(' '));
    }

    // An edit the sheet's encoding cannot hold: UTF-8 only when the user agrees.
    void charactersTheEncodingCannotHold_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("saved"); // empty: the file stays as it was
        QTest::addRow("yes") << "Yes" << QByteArray("/* caf\xc3\xa9 */\r\nQLabel{}\r\n\xe2\x82\xac");
        QTest::addRow("no") << "No" << QByteArray();
    }
    void charactersTheEncodingCannotHold()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, saved);
        QTemporaryDir dir;
        QString const path = dir.filePath(QStringLiteral("sheet.qss"));
        QByteArray const bytes("/* caf\xe9 */\r\nQLabel{}\r\n");
        writeFile(path, bytes);
        CssDoc doc;
        answerDialog(doc, &CssDoc::slotLoad, path);
        doc.moveCursor(QTextCursor::End);
        doc.insertPlainText(QStringLiteral("\u20ac"));
        QSignalSpy titles(&doc, &CssDoc::changeWindowTitle);
        QString text;
        ModalAnswer box([&](QDialog* dialog) {
            text = boxText(dialog);
            ModalDriver::buttonWithText(dialog, answer)->click();
        });
        doc.slotSave();
        QVERIFY(box.seen());
        QCOMPARE(box.seenClass(), QStringLiteral("ZEDireroz::MessageBox"));
        QVERIFY2(text.contains(QStringLiteral("sheet.qss")) && text.contains(QStringLiteral("UTF-8")),
                 qPrintable(text));
        QCOMPARE(readBytes(path).toHex(' '), (saved.isEmpty() ? bytes : saved).toHex(' '));
        QCOMPARE(titles.count(), saved.isEmpty() ? 0 : 1);
    }

    void failedWriteEmitsNothing()
    {
        QString const folder = m_dir.filePath(QStringLiteral("gone"));
        QVERIFY(QDir().mkpath(folder));
        QString const path = folder + QStringLiteral("/sheet.qss");
        CssDoc doc;
        doc.setPlainText(QStringLiteral("a{}"));
        answerDialog(doc, &CssDoc::slotSaveAs, path);
        QVERIFY(QDir(folder).removeRecursively());

        QSignalSpy titles(&doc, &CssDoc::changeWindowTitle);
        MessageSeen message;
        doc.slotSave();
        QCOMPARE(message.shown, 1);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(path))
                     && message.text.contains(QStringLiteral("The folder does not exist.")),
                 qPrintable(message.text));
        QCOMPARE(titles.count(), 0);
        QCOMPARE(doc.fileName(), path);
        QVERIFY(!QFile::exists(path));
    }

    // A sheet too large for the text area is refused before it is read, named
    // with its size (sparse files: nothing is read).
    void loadRefusesFilesTooLarge_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addRow("just above the bound") << 128 * kMiB + 1;
        QTest::addRow("over 2 GB") << 2560 * kMiB;
    }
    void loadRefusesFilesTooLarge()
    {
        QFETCH(qint64, size);
        QTemporaryDir dir;
        QString const path = dir.filePath(QStringLiteral("huge.qss"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size));
        }
        CssDoc doc;
        doc.setPlainText(QStringLiteral("kept"));
        QSignalSpy titles(&doc, &CssDoc::changeWindowTitle);
        MessageSeen message;
        answerDialog(doc, &CssDoc::slotLoad, path);
        QCOMPARE(message.shown, 1);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(path))
                     && message.text.contains(MTools::fileSizeText(size)),
                 qPrintable(message.text));
        QCOMPARE(doc.toPlainText(), QStringLiteral("kept"));
        QCOMPARE(doc.fileName(), QString());
        QCOMPARE(titles.count(), 0);
    }

    // On a full disk the message names the reason and the old sheet stays whole.
    void fullDiskIsNamed()
    {
        TW_RUN_IN_CHILD_NAMESPACE(ChildNamespace::OwnMounts);
        QTemporaryDir dir;
        QString const mounted = ChildNamespace::mountSmallDisk(dir.path(), 64);
        if (!mounted.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no tmpfs: ") + mounted));
        QString const path = dir.filePath(QStringLiteral("sheet.qss"));
        CssDoc doc;
        doc.setPlainText(QStringLiteral("QLabel{}"));
        answerDialog(doc, &CssDoc::slotSaveAs, path);
        QCOMPARE(readFile(path), QStringLiteral("QLabel{}"));
        {
            QFile fill(dir.filePath(QStringLiteral("fill")));
            QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            QByteArray const block(4096, 'x');
            while (fill.write(block) == block.size()) { }
        }
        doc.setPlainText(QStringLiteral("QLabel{ color: red; }"));
        QSignalSpy titles(&doc, &CssDoc::changeWindowTitle);
        MessageSeen message;
        doc.slotSave();
        QCOMPARE(message.shown, 1);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(path))
                     && message.text.contains(QStringLiteral("There is no space left on the device.")),
                 qPrintable(message.text));
        QCOMPARE(titles.count(), 0);
        QCOMPARE(readFile(path), QStringLiteral("QLabel{}"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("fill"), QStringLiteral("sheet.qss")}));
        QVERIFY(::umount(QFile::encodeName(dir.path()).constData()) == 0);
    }
};

QTEST_MAIN(TestCssDoc)
#include "tst_cssdoc.moc"
