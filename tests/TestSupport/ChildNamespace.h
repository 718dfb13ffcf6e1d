#pragma once
// Runs the current test function again in a child process of the same test
// program, inside a Linux user namespace of its own (util-linux's unshare):
//
// - Unprivileged: as an ordinary user who owns the files root owns outside.
//   Root, which the tests run as in CI, ignores permission bits, so a folder
//   the user may not write can only be shown this way. A test that already
//   runs as an ordinary user runs in place.
// - OwnMounts: as root of a mount namespace of its own, where a small tmpfs
//   can be mounted (mountSmallDisk): a disk that fills up.
//
// The test function starts with TW_RUN_IN_CHILD_NAMESPACE(kind); outside, the
// macro runs the child, passes when it passed and shows its output when it
// failed; inside the child it does nothing and the test goes on. Where the
// system allows no user namespace the test is skipped.

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace ChildNamespace {

enum Kind { Unprivileged, OwnMounts };

inline char const* markerVariable()
{
    return "TW_TEST_IN_CHILD_NAMESPACE";
}

inline bool inside()
{
    return qEnvironmentVariableIsSet(markerVariable());
}

// Whether the test goes on in this process.
inline bool runsHere(Kind kind)
{
    return inside() || (kind == Unprivileged && ::geteuid() != 0);
}

struct Outcome
{
    bool skipped = false;
    bool passed = false;
    QString output;
};

inline QStringList unshareArguments(Kind kind)
{
    if (kind == Unprivileged)
        return {QStringLiteral("--user"), QStringLiteral("--map-user=1000"), QStringLiteral("--map-group=1000")};
    return {QStringLiteral("--user"), QStringLiteral("--map-root-user"), QStringLiteral("--mount")};
}

inline Outcome run(Kind kind)
{
    Outcome outcome;
    QString const unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty()) {
        outcome.skipped = true;
        outcome.output = QStringLiteral("unshare (util-linux) is missing");
        return outcome;
    }
    QStringList const namespaceArguments = unshareArguments(kind);
    QProcess probe;
    probe.start(unshare, namespaceArguments + QStringList{QStringLiteral("true")});
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        outcome.skipped = true;
        outcome.output = QStringLiteral("the system allows no user namespace here: ")
                         + QString::fromLocal8Bit(probe.readAllStandardError());
        return outcome;
    }
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        function += QLatin1Char(':') + QString::fromLocal8Bit(QTest::currentDataTag());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(markerVariable()), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(unshare, namespaceArguments + QStringList{QCoreApplication::applicationFilePath(), function});
    bool const finished = child.waitForFinished(240000);
    outcome.output = QString::fromLocal8Bit(child.readAll());
    outcome.passed = finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    // The child may have skipped for a reason of its own (no tmpfs).
    outcome.skipped = outcome.passed && outcome.output.contains(QStringLiteral("SKIP   : "));
    return outcome;
}

// Mounts a tmpfs of kib KiB on folder (inside an OwnMounts child); the
// system's reason when it could not.
inline QString mountSmallDisk(QString const& folder, int kib)
{
    QByteArray const options = "size=" + QByteArray::number(kib) + "k";
    if (::mount("tw-small-disk", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0)
        return QString();
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace ChildNamespace

#define TW_RUN_IN_CHILD_NAMESPACE(kind)                                                                                \
    do {                                                                                                               \
        if (!ChildNamespace::runsHere(kind)) {                                                                         \
            ChildNamespace::Outcome const childOutcome = ChildNamespace::run(kind);                                    \
            if (childOutcome.skipped)                                                                                  \
                QSKIP(qPrintable(childOutcome.output));                                                                \
            QVERIFY2(childOutcome.passed, qPrintable(childOutcome.output));                                            \
            return;                                                                                                    \
        }                                                                                                              \
    } while (false)
