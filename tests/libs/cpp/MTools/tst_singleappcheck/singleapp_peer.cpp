// A copy of an application that uses SingleAppCheck, for the two-process tests.
//
//   singleapp_peer <key> listen        prints "running 0|1", then "ready", then one
//                                      line "message <hex of UTF-8>" per message
//   singleapp_peer <key> send          prints "running 0|1"; exit code 0 when the
//                                      message (UTF-8 on standard input) was sent
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

#include "MTools/SingleAppCheck.h"

namespace {

void printLine(const QByteArray& line)
{
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    MTools::SingleAppCheck check(args[1]);
    printLine("running " + QByteArray::number(check.isRunning() ? 1 : 0));

    if (args[2] == "send") {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return 2;
        return check.sendMessage(QString::fromUtf8(input.readAll())) ? 0 : 1;
    }
    if (args[2] != "listen")
        return 2;
    QObject::connect(&check, &MTools::SingleAppCheck::messageAvailable,
                     [](const QString& message) { printLine("message " + message.toUtf8().toHex()); });
    printLine("ready");
    return app.exec();
}
