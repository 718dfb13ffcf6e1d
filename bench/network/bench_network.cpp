// Lists a folder of many entries (100 000 by default, every tenth a folder) in
// the FTP test window, from a server on 127.0.0.1 in this process, and prints
// for each refresh
//  1. the time from "Rfr" until every entry is in the listing;
//  2. the longest stall of the event loop meanwhile: the transfer runs in the
//     client's loop, so this is what sorting and filling the listing block.
//
// Usage: tw-bench-network [--entries N] [--runs R]
// Run it with QT_QPA_PLATFORM=offscreen where there is no display. Build it
// optimised; a sanitizer build measures mostly the sanitizer.
#include "QMRequest/FtpGuiClient.h"
#include "TestSupport/HostileFtpServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

int argValue(QStringList const& args, char const* name, int fallback)
{
    int const i = args.indexOf(QLatin1String(name));
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList const args = app.arguments();
    int const entries = argValue(args, "--entries", 100000);
    int const runs = argValue(args, "--runs", 3);

    HostileFtpServer server(HostileFtpServer::LongListing);
    server.setEntryCount(entries);
    if (!server.isListening()) {
        std::fprintf(stderr, "no server\n");
        return 1;
    }
    QMRequest::FtpGuiClient window;
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("FtpHost"))->setText(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    auto* listing = window.findChild<QTreeWidget*>(QStringLiteral("FtpListing"));
    window.slotLogin();
    if (listing->topLevelItemCount() != entries + 1) {
        std::fprintf(stderr, "listed %d entries, not %d\n", listing->topLevelItemCount() - 1, entries);
        return 1;
    }

    std::printf("entries %d\n", entries);
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer sinceTick;
        qint64 longestStall = 0;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] { longestStall = qMax(longestStall, sinceTick.restart()); });
        QElapsedTimer clock;
        clock.start();
        sinceTick.start();
        tick.start();
        window.slotRefresh();
        longestStall = qMax(longestStall, sinceTick.elapsed());
        qint64 const total = clock.elapsed();
        tick.stop();
        std::printf("refresh %d: %lld ms until listed, longest stall %lld ms\n", run + 1, static_cast<long long>(total),
                    static_cast<long long>(longestStall));
    }
    return 0;
}
