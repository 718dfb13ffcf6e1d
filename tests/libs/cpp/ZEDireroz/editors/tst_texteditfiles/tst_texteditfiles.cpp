// The rich-text window's files: the Save As suffixes, the writer chosen by the
// suffix, the question about unsaved changes before New, Open and closing,
// failures shown to the user with nothing lost, files refused for their kind or
// size, saves in read-only folders and on a full disk, PDF export (rendered
// back to a picture) and the print dialogs. Dialogs are answered as a user would.
#include "MTools/WholeFile.h"
#include "TestSupport/ChildNamespace.h"
#include "TestSupport/FileDialogDriver.h"
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/editors/TextEdit.h"
#include "ZEDireroz/editors/TextFileKind.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include <random>

namespace {

constexpr qint64 kMiB = 1024 * 1024;
// The largest file the window opens, as the docs give it.
constexpr qint64 kLargestFile = 128 * kMiB;

void writeFile(QString const& path, QByteArray const& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(QString const& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// What a file holds, told by its content: "odt", "html", "txt" or "pdf".
QString kindOf(QByteArray const& bytes, QString const& text)
{
    if (bytes.startsWith("PK") && bytes.contains("application/vnd.oasis.opendocument.text"))
        return QStringLiteral("odt");
    if (bytes.startsWith("%PDF"))
        return QStringLiteral("pdf");
    if (bytes.contains("<html")) {
        QTextDocument document;
        document.setHtml(QString::fromUtf8(bytes));
        return document.toPlainText() == text ? QStringLiteral("html") : QStringLiteral("html, other text");
    }
    if (bytes == text.toUtf8())
        return QStringLiteral("txt");
    return QStringLiteral("unknown");
}

// Answers every message box while it lives: the standard warning box with
// `button`, the application's own message box with its button `ownButton`.
// File and print dialogs are left alone.
struct BoxAnswer
{
    int shown = 0;
    QString className;
    QString text;
    QPointer<QWidget> parent;
    QTimer timer;
    explicit BoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok,
                       QString const& ownButton = QStringLiteral("Ok"))
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, button, ownButton] {
            QWidget* window = QApplication::activeModalWidget();
            if (!window || !window->isVisible())
                return;
            if (auto* box = qobject_cast<QMessageBox*>(window)) {
                record(window, box->text());
                box->button(button)->click();
            } else if (qobject_cast<ZEDireroz::MessageBox*>(window)) {
                QString labels;
                for (QLabel* label : window->findChildren<QLabel*>())
                    labels += label->text();
                record(window, labels);
                ModalDriver::buttonWithText(window, ownButton)->click();
            }
        });
        timer.start();
    }
    void record(QWidget* window, QString const& boxText)
    {
        ++shown;
        className = QString::fromLatin1(window->metaObject()->className());
        text = boxText;
        parent = window->parentWidget();
    }
};

// Answers every file dialog until it goes: types path and accepts, or cancels
// when path is empty; counts the dialogs and keeps the last title.
struct FileAnswer
{
    int shown = 0;
    QString title;
    QStringList filters;
    QTimer timer;
    explicit FileAnswer(QString const& path)
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this, path] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                if (!dialog || !dialog->isVisible())
                    continue;
                ++shown;
                title = dialog->windowTitle();
                filters = dialog->nameFilters();
                if (path.isEmpty()) {
                    dialog->reject();
                } else {
                    typeFileNames(dialog, path);
                    pressAccept(dialog);
                }
                return;
            }
        });
        timer.start();
    }
};

void typeInto(TextEdit& window, QString const& text)
{
    window.textArea()->moveCursor(QTextCursor::End);
    window.textArea()->insertPlainText(text);
}

QString untitled()
{
    return QStringLiteral("untitled.txt[*] - Rich Text");
}

// The text of every plain-text file of the encoding table, as the user sees it.
QString const kPlainText = QStringLiteral("Gr\u00fc\u00dfe\u00a0aus K\u00f6ln\nZeile 2\n");

// Plain-text encodings written out by hand, so that the table does not lean
// on the codecs under test. Every character of kPlainText is in Latin-1.
QByteArray latin1(QString const& text)
{
    QByteArray bytes;
    for (QChar const c : text)
        bytes += char(c.unicode());
    return bytes;
}

QByteArray utf16(QString const& text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xff\xfe") : QByteArray("\xfe\xff");
    for (QChar const c : text) {
        char const high = char(c.unicode() >> 8);
        char const low = char(c.unicode() & 0xff);
        bytes += littleEndian ? QByteArray{1, low} + QByteArray{1, high} : QByteArray{1, high} + QByteArray{1, low};
    }
    return bytes;
}

QByteArray utf32le(QString const& text)
{
    QByteArray bytes("\xff\xfe\x00\x00", 4);
    for (QChar const c : text) {
        bytes += char(c.unicode() & 0xff);
        bytes += char(c.unicode() >> 8);
        bytes += QByteArray(2, '\0');
    }
    return bytes;
}

// UTF-16 and UTF-32 in either byte order, with or without a mark, written
// out by hand from the text's code points.
QByteArray utf16(QString const& text, bool littleEndian, bool mark)
{
    QByteArray const bytes = utf16(text, littleEndian);
    return mark ? bytes : bytes.mid(2);
}

QByteArray utf32(QString const& text, bool littleEndian, bool mark)
{
    QByteArray bytes;
    QVector<uint> codePoints = text.toUcs4();
    if (mark)
        codePoints.prepend(0xfeff);
    for (uint const c : codePoints) {
        for (int i = 0; i < 4; ++i)
            bytes += char(c >> (littleEndian ? 8 * i : 24 - 8 * i) & 0xff);
    }
    return bytes;
}

// Random text across every plane, rich in what tells encodings and line ends
// apart: CR, LF, the characters the text box breaks lines at, NUL, form feeds.
QString randomText(QRandomGenerator& random)
{
    static uint const special[] = {'\r',   '\n', '\r', '\n', 0x2028, 0x2029, 0xfdd0,
                                   0xfdd1, 0x85, 0,    '\f', 0xfeff, 0xfffc};
    QVector<uint> codePoints;
    int const size = random.bounded(0, 60);
    for (int i = 0; i < size; ++i) {
        uint c = 0;
        switch (random.bounded(6)) {
        case 0:
            c = special[random.bounded(int(sizeof(special) / sizeof(special[0])))];
            break;
        case 1:
            c = random.bounded(0x80u, 0x100u);
            break;
        case 2:
            c = random.bounded(0x100u, 0xd800u);
            break;
        case 3:
            c = random.bounded(0x10000u, 0x110000u);
            break;
        default:
            c = random.bounded(0x20u, 0x7fu);
            break;
        }
        codePoints.append(c);
    }
    return QString::fromUcs4(codePoints.constData(), codePoints.size());
}

QByteArray randomBytes(QRandomGenerator& random)
{
    QByteArray bytes(random.bounded(0, 120), Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

QString crlf(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// The document's text with every character kept, no-break spaces included.
QString rawText(TextEdit const& window)
{
    return window.textArea()->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// The one letter the edits of the table change: the first G becomes an H, or
// an empty document gets an H. No other byte of the table's files is a G or H.
void changeOneLetter(TextEdit& window)
{
    QTextCursor cursor(window.textArea()->document());
    int const at = window.textArea()->toPlainText().indexOf(QLatin1Char('G'));
    if (at >= 0) {
        cursor.setPosition(at);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    }
    cursor.insertText(QStringLiteral("H"));
}

// The labels of the application's message box, joined.
QString boxText(QWidget* box)
{
    QString text;
    for (QLabel* label : box->findChildren<QLabel*>())
        text += label->text();
    return text;
}

} // namespace

class TestTextEditFiles : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString path(QString const& name) const { return m_dir.filePath(name); }

private slots:
    void saveAsSuffixes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("kind");
        // HTML first: the window opens what it saved.
        QTest::addRow("no suffix") << "notes"
                                   << "notes.html"
                                   << "html";
        QTest::addRow("upper-case html kept") << "NOTES.HTML"
                                              << "NOTES.HTML"
                                              << "html";
        QTest::addRow("htm kept") << "page.htm"
                                  << "page.htm"
                                  << "html";
        QTest::addRow("upper-case odt kept") << "Report.ODT"
                                             << "Report.ODT"
                                             << "odt";
        // Plain text would drop the formatting: the document stays rich.
        QTest::addRow("txt gets html") << "notes.txt"
                                       << "notes.txt.html"
                                       << "html";
    }
    void saveAsSuffixes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        TextEdit window(nullptr);
        window.setHtml(QStringLiteral("<b>Rich</b> words"));
        typeInto(window, QStringLiteral("!"));
        QVERIFY(window.textArea()->document()->isModified());

        FileAnswer answer(dir.filePath(typed));
        QVERIFY(window.slotFileSaveAs());
        QCOMPARE(answer.shown, 1);
        QCOMPARE(answer.title, QStringLiteral("Save as..."));
        QCOMPARE(answer.filters.value(0), QStringLiteral("HTML-Files (*.htm *.html)"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({written}));
        QCOMPARE(kindOf(readFile(dir.filePath(written)), QStringLiteral("Rich words!")), kind);
        QCOMPARE(window.fileName(), dir.filePath(written));
        QCOMPARE(window.windowTitle(), written + QStringLiteral("[*] - Rich Text"));
        QVERIFY(!window.textArea()->document()->isModified());
        QVERIFY(!window.isWindowModified());
    }

    // The file dialog asks about the name typed; when a suffix is added to it,
    // the file really written is asked about too, and No leaves it alone.
    void addedSuffixAsksBeforeReplacing_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("replace");
        QTest::addRow("notes over notes.html, no") << false << "notes"
                                                   << "notes.html" << false;
        QTest::addRow("notes over notes.html, yes") << false << "notes"
                                                    << "notes.html" << true;
        QTest::addRow("notes.txt over notes.txt.html, no") << false << "notes.txt"
                                                           << "notes.txt.html" << false;
        QTest::addRow("pdf report over report.pdf, no") << true << "report"
                                                        << "report.pdf" << false;
        QTest::addRow("pdf report over report.pdf, yes") << true << "report"
                                                         << "report.pdf" << true;
    }
    void addedSuffixAsksBeforeReplacing()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        QFETCH(bool, replace);
        QTemporaryDir dir;
        QString const target = dir.filePath(existing);
        writeFile(target, "earlier work");
        TextEdit window(nullptr);
        typeInto(window, QStringLiteral("new words"));

        BoxAnswer box(QMessageBox::Ok, replace ? QStringLiteral("Yes") : QStringLiteral("No"));
        FileAnswer names(dir.filePath(typed));
        bool saved = false;
        if (pdf)
            window.slotFilePrintPdf();
        else
            saved = window.slotFileSaveAs();
        QCOMPARE(names.shown, 1);
        QCOMPARE(box.shown, 1);
        QVERIFY2(box.text.contains(existing), qPrintable(box.text));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({existing}));
        QCOMPARE(readFile(target) == "earlier work", !replace);
        if (replace)
            QCOMPARE(kindOf(readFile(target), QStringLiteral("new words")), QString(pdf ? "pdf" : "html"));
        if (!pdf) {
            QCOMPARE(saved, replace);
            QCOMPARE(window.fileName(), replace ? target : QString());
            QCOMPARE(window.isWindowModified(), !replace);
        }
    }

    // An opened file is saved back in the format its suffix names.
    void writerBySuffix_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addRow("odt") << "letter.odt"
                             << "odt";
        QTest::addRow("html") << "letter.html"
                              << "html";
        QTest::addRow("htm") << "letter.htm"
                             << "html";
        QTest::addRow("txt") << "letter.txt"
                             << "txt";
        QTest::addRow("upper-case TXT") << "LETTER.TXT"
                                        << "txt";
    }
    void writerBySuffix()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QString const file = path(name);
        writeFile(file, "first line\n");
        TextEdit window(nullptr);
        QVERIFY(window.load(file));
        QCOMPARE(window.fileName(), file);
        QCOMPARE(window.windowTitle(), name + QStringLiteral("[*] - Rich Text"));
        typeInto(window, QStringLiteral("second line"));
        QVERIFY(window.isWindowModified());
        QVERIFY(window.slotFileSave());
        QCOMPARE(kindOf(readFile(file), QStringLiteral("first line\nsecond line")), kind);
        QVERIFY(!window.isWindowModified());
    }

    // A suffix the writer does not know: the user is told, and Save As takes over.
    void unknownSuffixFallsBackToSaveAs_data()
    {
        QTest::addColumn<QString>("newName"); // empty: Save As cancelled
        QTest::addRow("cancelled") << QString();
        QTest::addRow("new name") << QStringLiteral("letter-copy");
    }
    void unknownSuffixFallsBackToSaveAs()
    {
        QFETCH(QString, newName);
        QString const file = path(QStringLiteral("letter.rtf"));
        writeFile(file, "plain words");
        TextEdit window(nullptr);
        QVERIFY(window.load(file));
        typeInto(window, QStringLiteral(" and more"));

        BoxAnswer box;
        FileAnswer answer(newName.isEmpty() ? QString() : path(newName));
        bool const saved = window.slotFileSave();
        QCOMPARE(box.shown, 1);
        QCOMPARE(box.className, QStringLiteral("ZEDireroz::MessageBox"));
        QVERIFY2(box.text.contains(QStringLiteral("letter.rtf")), qPrintable(box.text));
        QCOMPARE(answer.shown, 1);
        QCOMPARE(readFile(file), QByteArray("plain words"));
        if (newName.isEmpty()) {
            QVERIFY(!saved);
            QCOMPARE(window.fileName(), file);
            QVERIFY(window.isWindowModified());
        } else {
            QVERIFY(saved);
            QCOMPARE(window.fileName(), path(newName + QStringLiteral(".html")));
            QCOMPARE(kindOf(readFile(window.fileName()), QStringLiteral("plain words and more")),
                     QStringLiteral("html"));
            QVERIFY(!window.isWindowModified());
        }
    }

    // New on a modified document asks first; every answer of the box.
    void unsavedChangesOnNew_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs"); // "-": no Save As expected; empty: cancelled
        QTest::addColumn<bool>("cleared");
        QTest::addRow("discard") << int(QMessageBox::Discard) << "-" << true;
        QTest::addRow("cancel") << int(QMessageBox::Cancel) << "-" << false;
        QTest::addRow("save, name cancelled") << int(QMessageBox::Save) << "" << false;
        QTest::addRow("save under a name") << int(QMessageBox::Save) << "kept" << true;
    }
    void unsavedChangesOnNew()
    {
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, cleared);
        QTemporaryDir dir;
        TextEdit window(nullptr);
        typeInto(window, QStringLiteral("draft"));

        BoxAnswer box{QMessageBox::StandardButton(answer)};
        FileAnswer names(saveAs == QLatin1String("-") || saveAs.isEmpty() ? QString() : dir.filePath(saveAs));
        window.slotFileNew();
        QCOMPARE(box.shown, 1);
        QCOMPARE(box.parent.data(), &window);
        QCOMPARE(box.text, QStringLiteral("The document has been modified.\nDo you want to save your changes?"));
        QCOMPARE(names.shown, saveAs == QLatin1String("-") ? 0 : 1);
        QCOMPARE(window.textArea()->toPlainText(), cleared ? QString() : QStringLiteral("draft"));
        QCOMPARE(window.isWindowModified(), !cleared);
        QCOMPARE(window.windowTitle(), untitled());
        QCOMPARE(window.fileName(), QString());
        if (saveAs == QLatin1String("kept"))
            QCOMPARE(kindOf(readFile(dir.filePath("kept.html")), QStringLiteral("draft")), QStringLiteral("html"));
        else
            QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    // No question for an unmodified document, nor for one from the resources.
    void newWithoutQuestion_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addRow("unmodified") << QString();
        QTest::addRow("from the resources") << QStringLiteral(":/texteditfiles/note.txt");
    }
    void newWithoutQuestion()
    {
        QFETCH(QString, resource);
        TextEdit window(nullptr);
        if (resource.isEmpty()) {
            typeInto(window, QStringLiteral("saved"));
            window.textArea()->document()->setModified(false);
        } else {
            QVERIFY(window.load(resource));
            typeInto(window, QStringLiteral("edited"));
        }
        BoxAnswer box{QMessageBox::Cancel};
        window.slotFileNew();
        QCOMPARE(box.shown, 0);
        QCOMPARE(window.textArea()->toPlainText(), QString());
        QCOMPARE(window.windowTitle(), untitled());
    }

    void openAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addRow("cancel keeps the document") << int(QMessageBox::Cancel) << false;
        QTest::addRow("discard opens") << int(QMessageBox::Discard) << true;
    }
    void openAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        QString const file = path(QStringLiteral("opened.html"));
        writeFile(file, "<html><body><p><b>Bold</b> news</p></body></html>");
        TextEdit window(nullptr);
        typeInto(window, QStringLiteral("draft"));

        BoxAnswer box{QMessageBox::StandardButton(answer)};
        FileAnswer names(file);
        window.slotFileOpen();
        QCOMPARE(box.shown, 1);
        QCOMPARE(names.shown, opened ? 1 : 0);
        if (!opened) {
            QCOMPARE(window.textArea()->toPlainText(), QStringLiteral("draft"));
            QVERIFY(window.isWindowModified());
            return;
        }
        QCOMPARE(names.title, QStringLiteral("Open File..."));
        QCOMPARE(window.textArea()->toPlainText(), QStringLiteral("Bold news"));
        QTextCursor cursor(window.textArea()->document());
        cursor.setPosition(2);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(window.fileName(), file);
        QCOMPARE(window.windowTitle(), QStringLiteral("opened.html[*] - Rich Text"));
        QVERIFY(!window.isWindowModified());
    }

    // A file that exists but cannot be read: the user is told, nothing changes.
    void openFailureIsShown()
    {
        TextEdit window(nullptr);
        window.setHtml(QStringLiteral("kept"));
        window.textArea()->document()->setModified(false);
        QVERIFY(!window.load(path(QStringLiteral("missing.html"))));

        BoxAnswer box;
        // Reading a process's memory file from its start fails after a successful open.
        FileAnswer names(QStringLiteral("/proc/self/mem"));
        window.slotFileOpen();
        QCOMPARE(names.shown, 1);
        QCOMPARE(box.shown, 1);
        QVERIFY2(box.text.contains(QStringLiteral("/proc/self/mem")), qPrintable(box.text));
        QCOMPARE(window.textArea()->toPlainText(), QStringLiteral("kept"));
        QCOMPARE(window.fileName(), QString());
    }

    // Closing through the window or through Quit asks about unsaved changes,
    // and Cancel keeps the window open.
    void closeAsksFirst_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("open");
        QTest::addRow("close, cancel") << false << int(QMessageBox::Cancel) << true;
        QTest::addRow("close, discard") << false << int(QMessageBox::Discard) << false;
        QTest::addRow("quit, cancel") << true << int(QMessageBox::Cancel) << true;
        QTest::addRow("quit, discard") << true << int(QMessageBox::Discard) << false;
    }
    void closeAsksFirst()
    {
        QFETCH(bool, quit);
        QFETCH(int, answer);
        QFETCH(bool, open);
        TextEdit window(nullptr);
        window.show();
        typeInto(window, QStringLiteral("unsaved"));
        BoxAnswer box{QMessageBox::StandardButton(answer)};
        if (quit) {
            QAction* action = nullptr;
            for (QAction* a : window.findChildren<QAction*>()) {
                if (a->text() == QLatin1String("&Quit"))
                    action = a;
            }
            QVERIFY(action);
            action->trigger();
        } else {
            window.close();
        }
        QCOMPARE(box.shown, 1);
        QCOMPARE(window.isVisible(), open);
        QCOMPARE(window.textArea()->toPlainText(), QStringLiteral("unsaved"));
    }

    void closeUnmodifiedAsksNothing()
    {
        TextEdit window(nullptr);
        window.show();
        BoxAnswer box{QMessageBox::Cancel};
        QVERIFY(window.close());
        QCOMPARE(box.shown, 0);
        QVERIFY(!window.isVisible());
    }

    // Only a file named as HTML is read as rich text; anything else that
    // holds markup-like text shows its tags, and a text file saved again
    // keeps them and its line breaks.
    void readAsHtmlOnlyByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QByteArray const markup = "<b>Note</b>: use <i>x</i>\nnext line\n";
        QTest::addRow("txt") << "note.txt" << QString::fromLatin1(markup);
        QTest::addRow("upper-case TXT") << "NOTE.TXT" << QString::fromLatin1(markup);
        QTest::addRow("no suffix") << "note" << QString::fromLatin1(markup);
        QTest::addRow("html") << "note.html"
                              << "Note: use x next line ";
        QTest::addRow("upper-case HTM") << "NOTE.HTM"
                                        << "Note: use x next line ";
    }
    void readAsHtmlOnlyByName()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QByteArray const bytes = "<b>Note</b>: use <i>x</i>\nnext line\n";
        QString const file = path(name);
        writeFile(file, bytes);
        TextEdit window(nullptr);
        QVERIFY(window.load(file));
        QCOMPARE(window.textArea()->toPlainText(), shown);
        if (!name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
            return;
        typeInto(window, QStringLiteral("added"));
        QVERIFY(window.slotFileSave());
        QCOMPARE(readFile(file), bytes + "added");
    }

    // Plain text comes back as it was read: in its encoding (told by its
    // byte-order mark, else UTF-8 when it is valid UTF-8, else the system's
    // 8-bit encoding), with its mark, its line ends and every character.
    void plainTextKeepsItsBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QString const text = kPlainText;
        QByteArray const mark("\xef\xbb\xbf");
        QTest::addRow("UTF-8") << text.toUtf8() << text;
        QTest::addRow("UTF-8 with mark") << mark + text.toUtf8() << text;
        QTest::addRow("UTF-8, CR LF") << crlf(text).toUtf8() << text;
        QTest::addRow("UTF-8 with mark, CR LF") << mark + crlf(text).toUtf8() << text;
        QTest::addRow("UTF-8, CR") << QString(text).replace(QLatin1Char('\n'), QLatin1Char('\r')).toUtf8() << text;
        QTest::addRow("UTF-8, no-break spaces only")
            << QByteArray("\xc2\xa0G\xc2\xa0\xc2\xa0") << "\u00a0G\u00a0\u00a0";
        QTest::addRow("UTF-16 LE") << utf16(text, true) << text;
        QTest::addRow("UTF-16 BE") << utf16(text, false) << text;
        QTest::addRow("UTF-16 LE, CR LF") << utf16(crlf(text), true) << text;
        QTest::addRow("UTF-32 LE") << utf32le(text) << text;
        QTest::addRow("Latin-1") << latin1(text) << text;
        QTest::addRow("Latin-1, CR LF") << latin1(crlf(text)) << text;
        // A mark followed by what is not UTF-8 is no UTF-8 file: its bytes are kept.
        QTest::addRow("mark, then Latin-1") << mark + latin1(text) << QString::fromLatin1(mark + latin1(text));
        QTest::addRow("empty") << QByteArray() << QString();

        // Characters the text box breaks lines at come back as themselves.
        for (ushort const own : {0x2028, 0x2029, 0xfdd0, 0xfdd1}) {
            QString const file = QStringLiteral("one") + QChar(own) + QStringLiteral("two G\n");
            QTest::addRow("UTF-8, U+%X", own) << file.toUtf8() << QStringLiteral("one\ntwo G\n");
            QTest::addRow("UTF-16 BE, U+%X", own) << utf16(file, false) << QStringLiteral("one\ntwo G\n");
        }
        QTest::addRow("UTF-8, U+2028 first, then CR LF") << QByteArray("a\xe2\x80\xa8"
                                                                       "b\r\nGc\r\n")
                                                         << QStringLiteral("a\nb\nGc\n");

        // Mixed line ends stay as they were, lines away from an edit included.
        QTest::addRow("UTF-8, LF, CR LF and CR")
            << QByteArray("one\ntwo\r\nthree\rG\n\r\n") << "one\ntwo\nthree\nG\n\n";
        QTest::addRow("Latin-1, CR LF then LF")
            << latin1(QStringLiteral("K\u00f6ln\r\nG\nx\n\r")) << QStringLiteral("K\u00f6ln\nG\nx\n\n");

        // UTF-32 with characters above U+FFFF, and UTF-16 without a mark.
        QString const emoji = QStringLiteral("Gr\u00fc\u00dfe \U0001F600 \u4e2d\nZeile \U00010348\r\n");
        QTest::addRow("UTF-32 LE, emoji") << utf32(emoji, true, true) << QString(emoji).remove(QLatin1Char('\r'));
        QTest::addRow("UTF-32 BE, emoji") << utf32(emoji, false, true) << QString(emoji).remove(QLatin1Char('\r'));
        QTest::addRow("UTF-32 LE without a mark") << utf32(text, true, false) << text;
        QTest::addRow("UTF-16 LE without a mark") << utf16(text, true, false) << text;
        QTest::addRow("UTF-16 BE without a mark, CR LF") << utf16(crlf(text), false, false) << text;
        QTest::addRow("UTF-16 LE without a mark, a CR LF") << QByteArray("G\0\r\0\n\0", 6) << "G\n";
        QTest::addRow("UTF-16 LE without a mark, emoji")
            << utf16(emoji, true, false) << QString(emoji).remove(QLatin1Char('\r'));
    }
    void plainTextKeepsItsBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("note.txt"));
        writeFile(file, bytes);
        {
            TextEdit window(nullptr);
            QVERIFY(window.load(file));
            QCOMPARE(rawText(window), shown);
            window.textArea()->document()->setModified(true);
            QVERIFY(window.slotFileSave());
            QCOMPARE(readFile(file).toHex(' '), bytes.toHex(' '));
        }
        QByteArray edited = bytes;
        if (bytes.contains('G'))
            edited.replace('G', 'H');
        else
            edited += 'H';
        TextEdit window(nullptr);
        QVERIFY(window.load(file));
        changeOneLetter(window);
        QVERIFY(window.slotFileSave());
        QCOMPARE(readFile(file).toHex(' '), edited.toHex(' '));
    }

    // Many generated files of each kind: every one the window opens is saved
    // byte for byte as it was when nothing was edited, without a question.
    void generatedFilesKeepTheirBytes_data()
    {
        QTest::addColumn<QString>("kind");
        for (char const* kind : {"random bytes", "Latin-1", "UTF-8", "UTF-8 with mark", "UTF-16 LE", "UTF-16 BE",
                                 "UTF-16 LE without a mark", "UTF-16 BE without a mark", "UTF-16 with mark, stray byte",
                                 "UTF-32 LE", "UTF-32 BE", "UTF-32 LE without a mark", "UTF-32 BE without a mark"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void generatedFilesKeepTheirBytes()
    {
        QFETCH(QString, kind);
        int const kFiles = 60;
        QRandomGenerator random(uint(qHash(kind)));
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("note.txt"));
        TextEdit window(nullptr);
        int questions = 0;
        ModalAnswer box([&](QDialog* dialog) {
            ++questions;
            dialog->reject();
        });
        QStringList changed;
        int opened = 0;
        for (int i = 0; i < kFiles; ++i) {
            QString const text = randomText(random);
            bool const le = kind.contains(QLatin1String("LE"));
            bool const mark = !kind.contains(QLatin1String("without"));
            QByteArray bytes;
            if (kind == QLatin1String("random bytes"))
                bytes = randomBytes(random);
            else if (kind == QLatin1String("Latin-1"))
                bytes = randomBytes(random).replace('\0', 'x');
            else if (kind.startsWith(QLatin1String("UTF-8")))
                bytes = (mark && kind.contains(QLatin1String("mark")) ? QByteArray("\xef\xbb\xbf") : QByteArray())
                        + text.toUtf8();
            else if (kind.startsWith(QLatin1String("UTF-16 with mark")))
                bytes = utf16(text, i % 2 == 0, true) + char(random.bounded(256));
            else if (kind.startsWith(QLatin1String("UTF-16")))
                bytes = utf16(text, le, mark);
            else
                bytes = utf32(text, le, mark);
            writeFile(file, bytes);
            if (!window.load(file)) {
                // Refused, untouched, only as not text: zero bytes that no
                // UTF-16 or UTF-32 reading explains.
                QCOMPARE(ZEDireroz::fileKind(bytes), ZEDireroz::FileKind::NotText);
                QCOMPARE(readFile(file), bytes);
                continue;
            }
            ++opened;
            window.textArea()->document()->setModified(true);
            QByteArray const saved = window.slotFileSave() ? readFile(file) : QByteArray("<not saved>");
            if (saved != bytes && changed.size() < 5)
                changed << QString::fromLatin1(bytes.toHex(' ') + "\n  saved as " + saved.toHex(' '));
            else if (saved != bytes)
                changed << QString();
        }
        // Text across every plane without a mark is often not plainly UTF-16.
        QVERIFY2(opened > kFiles / 4, qPrintable(QString::number(opened)));
        QCOMPARE(questions, 0);
        QVERIFY2(changed.isEmpty(),
                 qPrintable(QString::number(changed.size()) + QStringLiteral(" of ") + QString::number(opened)
                            + QStringLiteral(" changed, e.g.\n") + changed.join(QLatin1Char('\n'))));
    }

    // HTML without a declared character set or a mark is read as UTF-8 when
    // its bytes are valid UTF-8, else as Latin-1; a declaration is followed.
    // Saved without an edit, it reads back the same.
    void htmlCharacterSet_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QString const words = QStringLiteral("Gr\u00fc\u00dfe");
        QTest::addRow("UTF-8, nothing declared") << QByteArray("<p>Gr\xc3\xbc\xc3\x9f"
                                                               "e</p>")
                                                 << words;
        QTest::addRow("Latin-1, nothing declared") << QByteArray("<p>Gr\xfc\xdf"
                                                                 "e</p>")
                                                   << words;
        QTest::addRow("UTF-8 declared") << QByteArray(
            "<html><head><meta charset=\"utf-8\"></head><body><p>Gr\xc3\xbc\xc3\x9f"
            "e</p></body></html>") << words;
        QTest::addRow("Latin-1 declared")
            << QByteArray("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                          "charset=iso-8859-1\"></head><body><p>Gr\xfc\xdf"
                          "e</p></body></html>")
            << words;
        QTest::addRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf<p>Gr\xc3\xbc\xc3\x9f"
                                                       "e</p>")
                                         << words;
    }
    void htmlCharacterSet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("page.html"));
        writeFile(file, bytes);
        {
            TextEdit window(nullptr);
            QVERIFY(window.load(file));
            QCOMPARE(window.textArea()->toPlainText(), shown);
            window.textArea()->document()->setModified(true);
            QVERIFY(window.slotFileSave());
        }
        TextEdit window(nullptr);
        QVERIFY(window.load(file));
        QCOMPARE(window.textArea()->toPlainText(), shown);
    }

    // An edit that the file's encoding cannot hold is saved in UTF-8 only
    // when the user agrees; no character is replaced behind the user's back.
    void charactersTheEncodingCannotHold_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("answer");   // empty: no question expected
        QTest::addColumn<QByteArray>("saved"); // empty: the file stays as it was
        QString const text = kPlainText;
        QString const euro = QStringLiteral("\u20ac 5");
        QString const han = QStringLiteral("\u4e2d\U0001F600");
        QTest::addRow("Latin-1, euro, yes") << latin1(crlf(text)) << euro << "Yes" << (crlf(text) + euro).toUtf8();
        QTest::addRow("Latin-1, euro, no") << latin1(text) << euro << "No" << QByteArray();
        QTest::addRow("Latin-1, e acute, no question")
            << latin1(text) << QStringLiteral("\u00e9") << QString() << latin1(text + QStringLiteral("\u00e9"));
        QTest::addRow("UTF-16 BE, Chinese and emoji, no question")
            << utf16(text, false) << han << QString() << utf16(text + han, false);
        QTest::addRow("UTF-8, Chinese and emoji, no question")
            << text.toUtf8() << han << QString() << (text + han).toUtf8();
    }
    void charactersTheEncodingCannotHold()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, added);
        QFETCH(QString, answer);
        QFETCH(QByteArray, saved);
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("note.txt"));
        writeFile(file, bytes);
        TextEdit window(nullptr);
        QVERIFY(window.load(file));
        typeInto(window, added);

        QString text;
        ModalAnswer box([&](QDialog* dialog) {
            text = boxText(dialog);
            QPushButton* button = ModalDriver::buttonWithText(dialog, answer);
            if (button)
                button->click();
            else
                dialog->reject();
        });
        bool const written = window.slotFileSave();
        QCOMPARE(box.seen(), !answer.isEmpty());
        QCOMPARE(written, answer != QLatin1String("No"));
        QCOMPARE(window.isWindowModified(), !written);
        if (!answer.isEmpty()) {
            QCOMPARE(box.seenClass(), QStringLiteral("ZEDireroz::MessageBox"));
            QCOMPARE(box.seenParent(), &window);
            QVERIFY2(text.contains(QStringLiteral("note.txt")) && text.contains(QStringLiteral("UTF-8")),
                     qPrintable(text));
        }
        if (!written) {
            QCOMPARE(readFile(file).toHex(' '), bytes.toHex(' '));
            return;
        }
        QCOMPARE(readFile(file).toHex(' '), saved.toHex(' '));
        if (answer != QLatin1String("Yes"))
            return;
        // Once saved in UTF-8, the file stays UTF-8 without asking again.
        typeInto(window, QStringLiteral("\u20ac"));
        ModalAnswer again([](QDialog* dialog) { dialog->reject(); });
        QVERIFY(window.slotFileSave());
        QVERIFY(!again.seen());
        QCOMPARE(readFile(file), saved + QStringLiteral("\u20ac").toUtf8());
    }

    // A failed write is shown, and the document keeps its name and its mark.
    void failedSaveAsKeepsState()
    {
        TextEdit window(nullptr);
        typeInto(window, QStringLiteral("precious"));
        QString const target = path(QStringLiteral("no-such-folder/precious"));
        BoxAnswer box;
        FileAnswer names(target);
        QVERIFY(!window.slotFileSaveAs());
        QCOMPARE(box.shown, 1);
        QVERIFY2(box.text.contains(QStringLiteral("precious.html")), qPrintable(box.text));
        QCOMPARE(window.fileName(), QString());
        QCOMPARE(window.windowTitle(), untitled());
        QVERIFY(window.isWindowModified());
        QVERIFY(window.textArea()->document()->isModified());
    }

    void failedSaveKeepsTheMark()
    {
        QString const folder = path(QStringLiteral("goes-away"));
        QVERIFY(QDir().mkpath(folder));
        QString const file = folder + QStringLiteral("/doc.html");
        writeFile(file, "<p>start</p>");
        TextEdit window(nullptr);
        QVERIFY(window.load(file));
        typeInto(window, QStringLiteral(" more"));
        QVERIFY(QDir(folder).removeRecursively());

        BoxAnswer box;
        QVERIFY(!window.slotFileSave());
        QCOMPARE(box.shown, 1);
        QVERIFY(window.isWindowModified());
        QCOMPARE(window.fileName(), file);
    }

    // A song typed and saved under a bare name opens again as it was typed.
    void savedDocumentOpensAgain()
    {
        QTemporaryDir dir;
        {
            TextEdit author(nullptr);
            author.setHtml(QStringLiteral("<p><b>Chorus:</b> C G Am F</p>"));
            FileAnswer names(dir.filePath(QStringLiteral("song")));
            QVERIFY(author.slotFileSaveAs());
        }
        QString const song = dir.filePath(QStringLiteral("song.html"));
        TextEdit window(nullptr);
        QVERIFY(window.load(song));
        QCOMPARE(window.textArea()->toPlainText(), QStringLiteral("Chorus: C G Am F"));
        QTextCursor cursor(window.textArea()->document());
        cursor.setPosition(2);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(window.fileName(), song);
    }

    // What is plainly not text is refused when opened, the window's own
    // OpenDocument files first among them: nothing is read into the window,
    // and no later save can write what would have been shown over the file.
    void refusesWhatIsNotText_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: the window writes song.odt itself
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QString const notText = QStringLiteral("not a text file");
        QString const odf = QStringLiteral("OpenDocument");
        // A stored zip entry, as any zip tool writes it.
        QByteArray const zip = QByteArray("PK\x03\x04\x0a\x00\x00\x00\x00\x00", 10) + QByteArray(16, '\x01')
                               + QByteArray("\x05\x00\x00\x00", 4) + "a.txt" + "hello";
        QByteArray png;
        QByteArray jpeg;
        {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::darkBlue);
            QBuffer pngBuffer(&png);
            QVERIFY(image.save(&pngBuffer, "PNG"));
            QBuffer jpegBuffer(&jpeg);
            QVERIFY(image.save(&jpegBuffer, "JPEG"));
        }
        // No zero byte in it: known by its signature alone.
        QByteArray const pdf = "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\ntrailer\n<< /Root 1 0 R >>\n%%EOF\n";
        QByteArray const gif = QByteArray("GIF89a\x01\x00\x01\x00\x80\x01\x00", 13);
        QByteArray random(4096, '\0');
        std::mt19937 generator(50);
        for (char& byte : random)
            byte = char(generator() & 0xff);
        random[0] = 'x'; // no byte-order mark by chance
        QTest::addRow("the window's own OpenDocument file") << QByteArray() << "song.odt" << odf;
        QTest::addRow("OpenDocument file named .txt") << QByteArray() << "song.txt" << odf;
        QTest::addRow("zip archive") << zip << "songs.zip" << notText;
        QTest::addRow("PNG picture") << png << "cover.png" << notText;
        QTest::addRow("JPEG picture named .txt") << jpeg << "cover.txt" << notText;
        QTest::addRow("GIF picture") << gif << "cover.gif" << notText;
        QTest::addRow("PDF") << pdf << "score.pdf" << notText;
        QTest::addRow("PDF named .html") << pdf << "score.html" << notText;
        QTest::addRow("random bytes") << random << "data.txt" << notText;
        QTest::addRow("text with a zero byte") << QByteArray("abc\0def\n", 8) << "zero.txt" << notText;
    }
    void refusesWhatIsNotText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString const target = dir.filePath(name);
        if (bytes.isEmpty()) {
            TextEdit author(nullptr);
            typeInto(author, QStringLiteral("Chorus: C G Am F"));
            FileAnswer names(dir.filePath(QStringLiteral("song.odt")));
            QVERIFY(author.slotFileSaveAs());
            if (name != QLatin1String("song.odt"))
                QVERIFY(QFile::rename(dir.filePath(QStringLiteral("song.odt")), target));
            QCOMPARE(kindOf(readFile(target), QStringLiteral("Chorus: C G Am F")), QStringLiteral("odt"));
        } else {
            writeFile(target, bytes);
        }
        QByteArray const before = readFile(target);
        QString const kept = dir.filePath(QStringLiteral("kept.txt"));
        writeFile(kept, "kept words\n");
        TextEdit window(nullptr);
        QVERIFY(window.load(kept));

        BoxAnswer box;
        FileAnswer names(target);
        window.slotFileOpen();
        QCOMPARE(names.shown, 1);
        QCOMPARE(box.shown, 1);
        QCOMPARE(box.className, QStringLiteral("ZEDireroz::MessageBox"));
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(target)) && box.text.contains(reason),
                 qPrintable(box.text));
        QCOMPARE(rawText(window), QStringLiteral("kept words\n"));
        QCOMPARE(window.fileName(), kept);
        QVERIFY(!window.isWindowModified());
        QVERIFY(!window.load(target));
        QCOMPARE(window.fileName(), kept);

        typeInto(window, QStringLiteral("!"));
        QVERIFY(window.slotFileSave());
        QCOMPARE(readFile(kept), QByteArray("kept words\n!"));
        QCOMPARE(readFile(target).toHex(' '), before.toHex(' '));
        QStringList files{QStringLiteral("kept.txt"), name};
        files.sort(Qt::CaseInsensitive);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
    }

    // Zero bytes that UTF-16 or UTF-32 text explains do not make a file binary:
    // it opens, and an untouched save gives back its bytes.
    void opensTextWithZeroBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("UTF-16 LE with mark") << utf16(kPlainText, true);
        QTest::addRow("UTF-16 BE with mark, a stray last byte") << utf16(kPlainText, false) + 'x';
        QTest::addRow("UTF-32 LE with mark") << utf32le(kPlainText);
    }
    void opensTextWithZeroBytes()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("note.txt"));
        writeFile(file, bytes);
        TextEdit window(nullptr);
        QVERIFY(window.load(file));
        window.textArea()->document()->setModified(true);
        QVERIFY(window.slotFileSave());
        QCOMPARE(readFile(file).toHex(' '), bytes.toHex(' '));
    }

    // A file too large for the window is refused before it is read, named with
    // its size: just above the bound, the size that ran out of memory, and one
    // over 2 GB that came back empty (sparse files, nothing read).
    void refusesFilesTooLarge_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addRow("just above the bound") << kLargestFile + 1;
        QTest::addRow("1.1 GB") << 1100 * kMiB;
        QTest::addRow("over 2 GB") << 2560 * kMiB;
    }
    void refusesFilesTooLarge()
    {
        QFETCH(qint64, size);
        QTemporaryDir dir;
        QString const log = dir.filePath(QStringLiteral("log.txt"));
        {
            QFile file(log);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size));
        }
        QString const kept = dir.filePath(QStringLiteral("kept.txt"));
        writeFile(kept, "kept words\n");
        TextEdit window(nullptr);
        QVERIFY(window.load(kept));

        BoxAnswer box;
        FileAnswer names(log);
        window.slotFileOpen();
        QCOMPARE(names.shown, 1);
        QCOMPARE(box.shown, 1);
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(log)) && box.text.contains(MTools::fileSizeText(size))
                     && box.text.contains(MTools::fileSizeText(kLargestFile)),
                 qPrintable(box.text));
        QCOMPARE(rawText(window), QStringLiteral("kept words\n"));
        QCOMPARE(window.fileName(), kept);
        QVERIFY(!window.isWindowModified());
        QVERIFY(!window.load(log));
        QCOMPARE(QFileInfo(log).size(), size);
    }

    // A file the user may write, in a folder the user may not write, is saved
    // in place (root ignores the folder's mode: the test runs as a user).
    void savesInAReadOnlyFolder()
    {
        TW_RUN_IN_CHILD_NAMESPACE(ChildNamespace::Unprivileged);
        QTemporaryDir dir;
        QString const folder = dir.filePath(QStringLiteral("songs"));
        QVERIFY(QDir().mkpath(folder));
        QString const song = folder + QStringLiteral("/song.html");
        writeFile(song, "<p>Chorus</p>");
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                                  | QFile::ReadOther | QFile::ExeOther));
        TextEdit window(nullptr);
        QVERIFY(window.load(song));
        typeInto(window, QStringLiteral(": C G Am F"));
        BoxAnswer box;
        bool const saved = window.slotFileSave();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(saved, qPrintable(box.text));
        QCOMPARE(box.shown, 0);
        QVERIFY(!window.isWindowModified());
        TextEdit again(nullptr);
        QVERIFY(again.load(song));
        QCOMPARE(again.textArea()->toPlainText(), QStringLiteral("Chorus: C G Am F"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("song.html")});
    }

    // On a full disk the message names the reason, the old file stays whole,
    // and the document stays unsaved: in every format the window writes.
    void fullDiskIsNamed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("HTML") << "song.html";
        QTest::addRow("plain text") << "song.txt";
        QTest::addRow("OpenDocument") << "song.odt";
    }
    void fullDiskIsNamed()
    {
        TW_RUN_IN_CHILD_NAMESPACE(ChildNamespace::OwnMounts);
        QFETCH(QString, name);
        QTemporaryDir dir;
        QString const mounted = ChildNamespace::mountSmallDisk(dir.path(), 64);
        if (!mounted.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no tmpfs: ") + mounted));
        QString const song = dir.filePath(name);
        TextEdit window(nullptr);
        if (name.endsWith(QLatin1String(".odt"))) {
            typeInto(window, QStringLiteral("Chorus"));
            FileAnswer names(song);
            QVERIFY(window.slotFileSaveAs());
        } else {
            writeFile(song, "Chorus");
            QVERIFY(window.load(song));
        }
        QByteArray const before = readFile(song);
        {
            QFile fill(dir.filePath(QStringLiteral("fill")));
            QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            QByteArray const block(4096, 'x');
            while (fill.write(block) == block.size()) { }
        }
        typeInto(window, QStringLiteral(": C G Am F"));
        BoxAnswer box;
        QVERIFY(!window.slotFileSave());
        QCOMPARE(box.shown, 1);
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(song))
                     && box.text.contains(QStringLiteral("There is no space left on the device.")),
                 qPrintable(box.text));
        QVERIFY(window.isWindowModified());
        QCOMPARE(readFile(song), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("fill"), name}));
        QVERIFY(::umount(QFile::encodeName(dir.path()).constData()) == 0);
    }

    void pdfName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addRow("no suffix") << "report"
                                   << "report.pdf";
        QTest::addRow("pdf kept") << "Report.PDF"
                                  << "Report.PDF";
        QTest::addRow("other suffix") << "report.txt"
                                      << "report.txt.pdf";
    }
    void pdfName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        TextEdit window(nullptr);
        typeInto(window, QStringLiteral("exported"));
        FileAnswer names(dir.filePath(typed));
        window.slotFilePrintPdf();
        QCOMPARE(names.shown, 1);
        QCOMPARE(names.title, QStringLiteral("Export PDF"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({written}));
        QCOMPARE(kindOf(readFile(dir.filePath(written)), QString()), QStringLiteral("pdf"));
        // The document itself is untouched.
        QVERIFY(window.isWindowModified());
        QCOMPARE(window.fileName(), QString());
    }

    // The PDF shows the document: rendered back to a picture, the text is
    // there as dark pixels in the upper half of the page, where an empty
    // document has none (the page number stands at the foot of both).
    void pdfShowsTheText()
    {
        QString const pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        QVERIFY2(!pdftoppm.isEmpty(), "pdftoppm (poppler-utils) is needed");
        auto darkPixelsInUpperHalf = [&](QString const& html, QString const& name) {
            TextEdit window(nullptr);
            window.setHtml(html);
            FileAnswer names(path(name + QStringLiteral(".pdf")));
            window.slotFilePrintPdf();
            QProcess render;
            render.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                                    QStringLiteral("-singlefile"), path(name + QStringLiteral(".pdf")), path(name)});
            if (!render.waitForFinished(60000) || render.exitCode() != 0)
                return -1;
            QImage const page(path(name + QStringLiteral(".png")));
            if (page.isNull())
                return -1;
            int dark = 0;
            for (int y = 0; y < page.height() / 2; ++y) {
                for (int x = 0; x < page.width(); ++x) {
                    if (qGray(page.pixel(x, y)) < 100)
                        ++dark;
                }
            }
            return dark;
        };
        int const text = darkPixelsInUpperHalf(
            QStringLiteral("<p style=\"font-size:40pt\"><b>Tickwren writes PDF</b></p>"), QStringLiteral("text"));
        QVERIFY2(text > 300, qPrintable(QString::number(text)));
        QCOMPARE(darkPixelsInUpperHalf(QString(), QStringLiteral("empty")), 0);
    }

    void pdfFailureIsShown()
    {
        TextEdit window(nullptr);
        typeInto(window, QStringLiteral("x"));
        BoxAnswer box;
        FileAnswer names(path(QStringLiteral("no-such-folder/out.pdf")));
        window.slotFilePrintPdf();
        QCOMPARE(box.shown, 1);
        QVERIFY2(box.text.contains(QStringLiteral("out.pdf")), qPrintable(box.text));
        QVERIFY(!QFile::exists(path(QStringLiteral("no-such-folder/out.pdf"))));
    }

    // The print dialog offers the selection only while text is selected.
    void printDialogOffersTheSelection_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addRow("selection") << true;
        QTest::addRow("no selection") << false;
    }
    void printDialogOffersTheSelection()
    {
        QFETCH(bool, selected);
        TextEdit window(nullptr);
        window.setHtml(QStringLiteral("some text"));
        if (selected)
            window.textArea()->selectAll();
        bool offered = !selected;
        QString title;
        ModalAnswer answer([&](QDialog* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            if (print) {
                offered = print->testOption(QAbstractPrintDialog::PrintSelection);
                title = print->windowTitle();
            }
            dialog->reject();
        });
        window.slotFilePrint();
        QCOMPARE(answer.seenClass(), QStringLiteral("QPrintDialog"));
        QCOMPARE(title, QStringLiteral("Print Document"));
        QCOMPARE(offered, selected);
    }

    // The preview draws its pages through the window.
    void printPreviewShowsPages()
    {
        TextEdit window(nullptr);
        window.setHtml(QStringLiteral("<h1>Preview</h1><p>text</p>"));
        int pages = -1;
        ModalAnswer answer([&](QDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            pages = preview ? preview->pageCount() : -2;
            dialog->reject();
        });
        window.slotFilePrintPreview();
        QCOMPARE(answer.seenClass(), QStringLiteral("QPrintPreviewDialog"));
        QCOMPARE(pages, 1);
    }
};

QTEST_MAIN(TestTextEditFiles)
#include "tst_texteditfiles.moc"
