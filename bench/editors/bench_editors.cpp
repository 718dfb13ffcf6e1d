// Times readPlainText and writePlainText on files of 10 MB and 50 MB, UTF-8 and
// Latin-1 with CR LF line ends, against QFile with QTextStream in the same run
// (the stream told the encoding, so it neither guesses nor checks), and prints
// the ratios: file to text (QFile::readAll and readPlainText), and
// readPlainText alone on the bytes in memory. Then the rich-text window's open and save of the same files, and
// the open of a 10 MB file on one line, where the text box's own layout is the
// cost.
//
// Usage: bench_editors [--rounds N] [--no-window]
// Build it optimised (see README.md); a sanitizer build measures nothing.
#include "ZEDireroz/editors/PlainTextFile.h"
#include "ZEDireroz/editors/TextEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kMegabyte = 1000 * 1000;

// Best time in milliseconds over several rounds.
double bestMilliseconds(int rounds, std::function<void()> const& work)
{
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer clock;
        clock.start();
        work();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

// Lines of German prose of about 70 characters, each ending in CR LF, until
// the file holds size bytes: some letters outside ASCII on every line.
QByteArray prose(int size, bool latin1, bool oneLine)
{
    QString const line = QStringLiteral("Gr\u00fc\u00dfe aus K\u00f6ln: Der Takt l\u00e4uft, die Stra\u00dfe ist "
                                        "voller Kl\u00e4nge %1");
    QByteArray bytes;
    bytes.reserve(size + 200);
    for (int i = 0; bytes.size() < size; ++i) {
        QString const text = line.arg(i);
        bytes += latin1 ? text.toLatin1() : text.toUtf8();
        bytes += oneLine ? " " : "\r\n";
    }
    return bytes;
}

bool writeFile(QString const& path, QByteArray const& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Sample
{
    char const* name;
    int megabytes;
    bool latin1;
};

void benchmarkReadWrite(QString const& folder, Sample const& sample, int rounds)
{
    QString const path = folder + QStringLiteral("/sample.txt");
    QByteArray const bytes = prose(sample.megabytes * kMegabyte, sample.latin1, false);
    if (!writeFile(path, bytes)) {
        std::printf("cannot write %s\n", qPrintable(path));
        return;
    }
    char const* codecName = sample.latin1 ? "ISO-8859-1" : "UTF-8";

    ZEDireroz::PlainText read;
    double const ours = bestMilliseconds(rounds, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        read = ZEDireroz::readPlainText(file.readAll());
    });
    // The decoding alone, the bytes already in memory.
    double const decodeOnly = bestMilliseconds(rounds, [&] { read = ZEDireroz::readPlainText(bytes); });
    QString streamed;
    double const stream = bestMilliseconds(rounds, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QTextStream in(&file);
        in.setCodec(codecName);
        streamed = in.readAll();
    });
    bool const same = read.format.codec == codecName && read.text.size() + bytes.count('\n') == streamed.size();

    QString const out = folder + QStringLiteral("/written.txt");
    double const oursWrite = bestMilliseconds(rounds, [&] {
        QByteArray encoded;
        ZEDireroz::writePlainText(read.text, read.format, &encoded);
        QFile file(out);
        file.open(QIODevice::WriteOnly);
        file.write(encoded);
    });
    bool const sameBytes = [&] {
        QFile file(out);
        return file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
    }();
    double const streamWrite = bestMilliseconds(rounds, [&] {
        QFile file(out);
        file.open(QIODevice::WriteOnly);
        QTextStream stream(&file);
        stream.setCodec(codecName);
        stream << streamed;
    });
    std::printf("%-22s read  %8.1f ms   QTextStream %8.1f ms   ratio %.2f   (readPlainText alone %8.1f ms: %.2f)%s\n",
                sample.name, ours, stream, ours / stream, decodeOnly, decodeOnly / stream,
                same ? "" : "   (read differently!)");
    std::printf("%-22s write %8.1f ms   QTextStream %8.1f ms   ratio %.2f%s\n", sample.name, oursWrite, streamWrite,
                oursWrite / streamWrite, sameBytes ? "" : "   (bytes differ!)");
}

// Runs the events a shown window has waiting (its layout and first paint).
void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// The rich-text window's open (read, decode, fill the text box, lay out and
// paint the first page, the window shown) and an untouched save of the file,
// beside a bare text box given the same text: what the text box itself costs.
void benchmarkWindow(QString const& folder, char const* name, QByteArray const& bytes)
{
    QString const path = folder + QStringLiteral("/window.txt");
    if (!writeFile(path, bytes))
        return;
    QElapsedTimer clock;
    double textBox = 0;
    {
        QString const text = ZEDireroz::readPlainText(bytes).text;
        QTextEdit bare;
        bare.resize(800, 600);
        bare.show();
        settle();
        clock.start();
        bare.setPlainText(text);
        settle();
        textBox = clock.nsecsElapsed() / 1e6;
    }
    TextEdit window(nullptr);
    window.resize(800, 600);
    window.show();
    settle();
    clock.restart();
    bool const loaded = window.load(path);
    settle();
    double const open = clock.nsecsElapsed() / 1e6;
    window.textArea()->document()->setModified(true);
    clock.restart();
    bool const saved = window.slotFileSave();
    double const save = clock.nsecsElapsed() / 1e6;
    QFile file(path);
    bool const same = file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
    std::printf("%-22s window open %8.1f ms (a bare text box given the text: %8.1f ms)   save %8.1f ms%s\n", name, open,
                textBox, save, loaded && saved && same ? "" : "   (failed or changed!)");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStringList const args = app.arguments();
    int const at = args.indexOf(QStringLiteral("--rounds"));
    int const rounds = at >= 0 && at + 1 < args.size() ? std::max(1, args.at(at + 1).toInt()) : 3;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    Sample const samples[] = {
        {"10 MB UTF-8, CR LF", 10, false},
        {"10 MB Latin-1, CR LF", 10, true},
        {"50 MB UTF-8, CR LF", 50, false},
        {"50 MB Latin-1, CR LF", 50, true},
    };
    for (Sample const& sample : samples)
        benchmarkReadWrite(dir.path(), sample, rounds);
    if (args.contains(QStringLiteral("--no-window")))
        return 0;
    for (Sample const& sample : samples)
        benchmarkWindow(dir.path(), sample.name, prose(sample.megabytes * kMegabyte, sample.latin1, false));
    benchmarkWindow(dir.path(), "10 MB on one line", prose(10 * kMegabyte, false, true));
    return 0;
}
