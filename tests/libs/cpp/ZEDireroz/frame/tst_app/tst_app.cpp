// The application object: settings, folders, resource folder, device and build
// tests, file copying, activation and the re-emitted dock click.
#include "ZEDireroz/frame/App.h"
#include "platform/desktop/App_mac.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using ZEDireroz::App;

namespace {

QString env(char const* name)
{
    return qEnvironmentVariable(name);
}

// The private bundle folder this test gives the application object.
QString testBundleDir()
{
    return env("HOME") + QStringLiteral("/bundle/");
}

bool writeFile(QString const& path, QByteArray const& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray readFile(QString const& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class EventCounter : public QObject
{
public:
    QList<QEvent::Type> types;
    QList<QPoint> positions;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            types << event->type();
            positions << static_cast<QMouseEvent*>(event)->pos();
            return true;
        }
        return false;
    }
};

} // namespace

class TestApp : public QObject
{
    Q_OBJECT
private:
    App* app() { return App::theApp(); }

private slots:
    void constructionPreparesFoldersAndSettings()
    {
        QString const support = env("XDG_DATA_HOME") + QStringLiteral("/Olvenar/TickwrenTrial/");
        QCOMPARE(app()->supportDirectory(), support);
        QVERIFY(QDir(support).exists());
        QString const work = app()->workDirectory();
        QVERIFY(work.startsWith(support));
        QVERIFY(work.endsWith(QLatin1Char('/')));
        QVERIFY(QDir(work).exists());
        // Before any file was chosen, both folders are the work folder, with its "/".
        QCOMPARE(app()->saveDirPath(), work);
        QCOMPARE(app()->openDirPath(), work);
        QCOMPARE(app()->settings()->fileName(), support + QStringLiteral("settings.plist"));
        QCOMPARE(app()->settingsValue(QStringLiteral("NeverWritten"), 7).toInt(), 7);
    }

    void folders_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("expected");
        QString const home = env("HOME");
        QTest::newRow("support") << "support" << env("XDG_DATA_HOME") + "/Olvenar/TickwrenTrial/";
        QTest::newRow("caches") << "caches" << env("XDG_CACHE_HOME") + "/Olvenar/TickwrenTrial/";
        QTest::newRow("pictures") << "pictures" << home + "/Pictures/TickwrenTrial/";
        QTest::newRow("music") << "music" << home + "/Music/TickwrenTrial/";
        QTest::newRow("movies") << "movies" << home + "/Videos/TickwrenTrial/";
        QTest::newRow("downloads") << "downloads" << home + "/Downloads/TickwrenTrial/";
    }
    void folders()
    {
        QFETCH(QString, which);
        QFETCH(QString, expected);
        QVERIFY(!QDir(expected).exists() || which == QLatin1String("support"));
        QString path;
        if (which == QLatin1String("support"))
            path = app()->supportDirectory();
        else if (which == QLatin1String("caches"))
            path = app()->cachesDirectory();
        else if (which == QLatin1String("pictures"))
            path = app()->picturesDirectory();
        else if (which == QLatin1String("music"))
            path = app()->musicDirectory();
        else if (which == QLatin1String("movies"))
            path = app()->moviesDirectory();
        else
            path = app()->downloadsDirectory();
        QCOMPARE(path, expected);
        QVERIFY2(QDir(path).exists(), qPrintable(path));
    }

    void settingsRoundTrip_data()
    {
        QTest::addColumn<bool>("oldMode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("fileKey");
        QTest::newRow("prefixed string") << false << "Language" << QVariant("de") << "TickwrenTrial/Language";
        QTest::newRow("prefixed nested int") << false << "TransparencyParameters/ContextMenus" << QVariant(40)
                                             << "TickwrenTrial/TransparencyParameters/ContextMenus";
        QTest::newRow("old mode") << true << "Width" << QVariant(540) << "Width";
    }
    void settingsRoundTrip()
    {
        QFETCH(bool, oldMode);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QString, fileKey);
        app()->setOldSettingsMode(oldMode);
        app()->setSettingsValue(key, value);
        // Visible at once, before the file is written.
        QCOMPARE(app()->settingsValue(key, QVariant()).toString(), value.toString());
        app()->settings()->sync();
        app()->setOldSettingsMode(false);

        QSettings file(app()->supportDirectory() + "settings.plist", QSettings::IniFormat);
        QCOMPARE(file.value(fileKey).toString(), value.toString());
        if (!oldMode) {
            QVERIFY(file.childGroups().contains("TickwrenTrial"));
            // The other mode does not see it.
            app()->setOldSettingsMode(true);
            QVERIFY(!app()->settingsValue(key, QVariant()).isValid());
            app()->setOldSettingsMode(false);
        }
    }

    // Another copy's update that this copy's settings object took for the
    // version it had read already: the same size and the same modification time,
    // as when its read of the file overlapped that copy's write (the content read
    // before the new file took the old one's place, its time after). An update
    // reads the file anew all the same, so that no start of a copy is lost.
    void updateSeesAWriteOfTheSameSizeAndTime()
    {
        QString const file = app()->settings()->fileName();
        app()->setSettingsValue(QStringLiteral("StartCounter"), 5);
        app()->settings()->sync();
        QCOMPARE(app()->settingsValue(QStringLiteral("StartCounter")).toInt(), 5);
        QDateTime const seen = QFileInfo(file).lastModified();
        QByteArray content = readFile(file);
        QVERIFY(content.contains("StartCounter=5"));
        content.replace("StartCounter=5", "StartCounter=6");
        QVERIFY(writeFile(file, content));
        QFile stamped(file);
        QVERIFY(stamped.open(QIODevice::ReadOnly));
        QVERIFY(stamped.setFileTime(seen, QFileDevice::FileModificationTime));
        stamped.close();
        QCOMPARE(QFileInfo(file).lastModified(), seen);

        QVariant const read = app()->updateSettingsValue(QStringLiteral("StartCounter"), 1,
                                                         [](QVariant const& v) { return QVariant(v.toInt() + 1); });
        QCOMPARE(read.toInt(), 6);
        QSettings const written(file, QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("TickwrenTrial/StartCounter")).toInt(), 7);
        app()->removeSettingsValue(QStringLiteral("StartCounter"));
        app()->settings()->sync();
    }

    void resourcePathRule_data()
    {
        QTest::addColumn<QString>("overridePath");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected"); // "@" = the temporary prefix
        QTest::newRow("override") << "/custom/res" << true << "/custom/res/";
        QTest::newRow("override with slash") << "/custom/res/" << false << "/custom/res/";
        QTest::newRow("installed") << "" << true << "@/share/tickwren/";
        QTest::newRow("build tree") << "" << false << "/build/resources/";
    }
    void resourcePathRule()
    {
        QFETCH(QString, overridePath);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QString const bin = prefix.path() + QStringLiteral("/MacOS/bin");
        QVERIFY(QDir().mkpath(bin));
        if (installed)
            QVERIFY(QDir().mkpath(prefix.path() + QStringLiteral("/MacOS/share/tickwren")));
        expected.replace(QLatin1Char('@'), prefix.path() + QStringLiteral("/MacOS"));
        QCOMPARE(App::resolveBundleResourcePath(overridePath, bin, QStringLiteral("/build/resources")), expected);
    }

    void bundleResourcePathOfTheRunningApp() { QCOMPARE(app()->bundleResourcePath(), testBundleDir()); }

    void markerFiles_data()
    {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("appStore");
        QTest::addColumn<bool>("autoUpdate");
        QTest::newRow("none") << "" << true << true;
        QTest::newRow("independent") << "independent" << false << true;
        QTest::newRow("noautoupdate") << "noautoupdate" << true << false;
    }
    void markerFiles()
    {
        QFETCH(QString, marker);
        QFETCH(bool, appStore);
        QFETCH(bool, autoUpdate);
        QString const dir = app()->bundleResourcePath();
        QVERIFY(QDir().mkpath(dir));
        QString const path = dir + marker;
        if (!marker.isEmpty())
            QVERIFY(writeFile(path, ""));
        // The markers are looked for in the resource folder, not in the current folder.
        QTemporaryDir elsewhere;
        QVERIFY(writeFile(elsewhere.filePath("independent"), ""));
        QVERIFY(writeFile(elsewhere.filePath("noautoupdate"), ""));
        QString const before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        bool const store = app()->isAppStore();
        bool const update = app()->isChartAutoUpdateOn();
        QDir::setCurrent(before);
        if (!marker.isEmpty())
            QVERIFY(QFile::remove(path));
        QCOMPARE(store, appStore);
        QCOMPARE(update, autoUpdate);
    }

    void pocketScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("pocket");
        QTest::newRow("480 high") << QSize(1024, 480) << true;
        QTest::newRow("480 wide") << QSize(480, 1024) << true;
        QTest::newRow("481 square") << QSize(481, 481) << false;
        QTest::newRow("481 by 480") << QSize(481, 480) << true;
        QTest::newRow("desktop") << QSize(1920, 1080) << false;
    }
    void pocketScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, pocket);
        QCOMPARE(App::isPocketScreen(screen), pocket);
    }

    void buildDate_data()
    {
        QTest::addColumn<QString>("compilerDate");
        QTest::addColumn<QString>("build");
        QTest::addColumn<QDate>("date");
        QTest::newRow("two-digit day") << "Mar 13 2014"
                                       << "3/13/2014" << QDate(2014, 3, 13);
        QTest::newRow("padded day") << "Jan  1 2020"
                                    << "1/1/2020" << QDate(2020, 1, 1);
        QTest::newRow("December") << "Dec 31 1999"
                                  << "12/31/1999" << QDate(1999, 12, 31);
        QTest::newRow("June") << "Jun  5 2026"
                              << "6/5/2026" << QDate(2026, 6, 5);
        QTest::newRow("July") << "Jul 22 2025"
                              << "7/22/2025" << QDate(2025, 7, 22);
        QTest::newRow("October") << "Oct 10 2010"
                                 << "10/10/2010" << QDate(2010, 10, 10);
    }
    void buildDate()
    {
        QFETCH(QString, compilerDate);
        QFETCH(QString, build);
        QFETCH(QDate, date);
        QCOMPARE(App::buildFromDateText(compilerDate), build);
        QCOMPARE(App::buildDateFromDateText(compilerDate), date);
    }

    void buildDateOfThisBuild()
    {
        QDate const date = app()->buildDate();
        QVERIFY(date.isValid());
        QVERIFY(date <= QDate::currentDate().addDays(1));
        QCOMPARE(app()->build(), QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year()));
    }

    void bundleIdentifier_data()
    {
        QTest::addColumn<QString>("domain");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("two labels") << "example.org"
                                    << "org.example.TickwrenTrial";
        QTest::newRow("three labels") << "tickwren.example.org"
                                      << "org.example.tickwren.TickwrenTrial";
        QTest::newRow("four labels") << "a.b.c.d"
                                     << "d.c.b.a.TickwrenTrial";
        QTest::newRow("trailing dot") << "example.org."
                                      << "org.example.TickwrenTrial";
        QTest::newRow("empty") << ""
                               << "TickwrenTrial";
    }
    void bundleIdentifier()
    {
        QFETCH(QString, domain);
        QFETCH(QString, identifier);
        QCOMPARE(App::bundleIdentifierFor(domain, "TickwrenTrial"), identifier);
        QCoreApplication::setOrganizationDomain(domain);
        QCOMPARE(app()->bundleIdentifier(), identifier);
        QCoreApplication::setOrganizationDomain(QString());
    }

    void copyTo_data()
    {
        QTest::addColumn<QString>("source"); // "" = the fixture's source file
        QTest::addColumn<QString>("target"); // "" = a fresh folder of the fixture
        QTest::addColumn<QString>("newName");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("result");
        QTest::newRow("copy keeps name") << ""
                                         << ""
                                         << "" << false << true;
        QTest::newRow("copy with new name") << ""
                                            << ""
                                            << "renamed.txt" << false << true;
        QTest::newRow("missing source") << "missing.txt"
                                        << ""
                                        << "" << false << false;
        QTest::newRow("existing target") << ""
                                         << ""
                                         << "" << true << false;
        QTest::newRow("unwritable target") << ""
                                           << "/proc/self"
                                           << "" << false << false;
    }
    void copyTo()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, newName);
        QFETCH(bool, existing);
        QFETCH(bool, result);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QByteArray const content = QByteArray("tick tock\n").repeated(1000);
        QString const sourcePath = dir.filePath(source.isEmpty() ? QStringLiteral("source.txt") : source);
        if (source.isEmpty())
            QVERIFY(writeFile(sourcePath, content));
        QString const folder = target.isEmpty() ? dir.filePath(QStringLiteral("out/deeper")) : target;
        QString const name = newName.isEmpty() ? QFileInfo(sourcePath).fileName() : newName;
        QString const targetPath = folder + "/" + name;
        if (existing) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(writeFile(targetPath, "keep me"));
        }

        QCOMPARE(app()->copyTo(sourcePath, folder, newName), result);

        if (result)
            QCOMPARE(readFile(targetPath), content);
        else if (existing)
            QCOMPARE(readFile(targetPath), QByteArray("keep me"));
        else
            QVERIFY(!QFileInfo::exists(targetPath));
    }

    void copyToCutShort()
    {
        // A write that the system cuts short (here: a file size limit) is a failure,
        // and no half-written file is left under the target's name.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString const sourcePath = dir.filePath("big.bin");
        QVERIFY(writeFile(sourcePath, QByteArray(512 * 1024, 'x')));
        QString const folder = dir.filePath("out");
        QVERIFY(QDir().mkpath(folder));

        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        struct rlimit small = old;
        small.rlim_cur = 64 * 1024;
        auto const oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        bool const ok = app()->copyTo(sourcePath, folder, QString());
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!ok);
        QVERIFY(!QFileInfo::exists(folder + "/big.bin"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void copyToSupportDirectory()
    {
        QTemporaryDir dir;
        QString const sourcePath = dir.filePath("preset.txt");
        QVERIFY(writeFile(sourcePath, "preset"));
        QVERIFY(app()->copyToSupportDirectory(sourcePath, "copied.txt"));
        QCOMPARE(readFile(app()->supportDirectory() + "copied.txt"), QByteArray("preset"));
    }

    void chosenFolders_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("folder");
        QTest::newRow("file in folder") << "/some/where/song.wav"
                                        << "/some/where/";
        QTest::newRow("file at root") << "/song.wav"
                                      << "/";
    }
    void chosenFolders()
    {
        QFETCH(QString, file);
        QFETCH(QString, folder);
        app()->setSaveDirPath(file);
        app()->setOpenDirPath(file);
        QCOMPARE(app()->saveDirPath(), folder);
        QCOMPARE(app()->openDirPath(), folder);
    }

    void languageOptimized_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("optimized");
        QTest::newRow("en") << "en"
                            << "";
        QTest::newRow("pt") << "pt"
                            << "pt/";
        QTest::newRow("zh_CN") << "zh_CN"
                               << "zh_CN/";
    }
    void languageOptimized()
    {
        QFETCH(QString, language);
        QFETCH(QString, optimized);
        app()->currentLanguage(); // the language manager exists from here on
        app()->setCurrentLanguage(language);
        QCOMPARE(app()->currentLanguageOptimized(), optimized);
        QCOMPARE(app()->currentLanguage(), language);
    }

    void activation()
    {
        QSignalSpy activated(app(), &App::applicationActivated);
        QSignalSpy deactivated(app(), &App::applicationDeactivated);
        QEvent off(QEvent::ApplicationDeactivate);
        QCoreApplication::sendEvent(app(), &off);
        QVERIFY(app()->isDeactivated());
        QCOMPARE(deactivated.count(), 1);
        QEvent on(QEvent::ApplicationActivate);
        QCoreApplication::sendEvent(app(), &on);
        QVERIFY(!app()->isDeactivated());
        QCOMPARE(activated.count(), 1);
        // The receiver does not matter.
        QWidget widget;
        QCoreApplication::sendEvent(&widget, &off);
        QVERIFY(app()->isDeactivated());
        QCOMPARE(deactivated.count(), 2);
        QCoreApplication::sendEvent(&widget, &on);
    }

    void dockClickIsReEmitted()
    {
        QSignalSpy spy(app(), &App::dockClicked);
        App_mac::instance()->emitClick();
        QCOMPARE(spy.count(), 1);
        // The Linux form of the click: the application is activated while no window is on screen.
        App_mac::instance()->handleApplicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(spy.count(), 2);
    }

    void mouseEvents()
    {
        QWidget widget;
        widget.resize(101, 51);
        EventCounter counter;
        widget.installEventFilter(&counter);
        QCOMPARE(app()->calculateMousePosition(&widget, -1, -1), QPoint(50, 25));
        QCOMPARE(app()->calculateMousePosition(&widget, 7, -1), QPoint(7, 25));
        app()->mouseClick(&widget, -1, -1, Qt::LeftButton, Qt::LeftButton);
        app()->mousePress(&widget, 3, 4, Qt::RightButton, Qt::RightButton);
        app()->mouseClick(nullptr, -1, -1, Qt::LeftButton, Qt::LeftButton);
        app()->mousePress(nullptr, 1, 1, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(counter.types.isEmpty()); // posted, not sent
        QCoreApplication::processEvents();
        QCOMPARE(counter.types,
                 (QList<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress}));
        QCOMPARE(counter.positions, (QList<QPoint>{QPoint(50, 25), QPoint(50, 25), QPoint(3, 4)}));
    }

    void mainWidgetIsForgottenWhenDestroyed()
    {
        // main() destroys its page after the event loop, before the application
        // object: a focus change then must not reach a dead widget.
        auto* page = new QWidget;
        app()->setMainWidget(page);
        QCOMPARE(app()->mainWidget(), page);
        delete page;
        QCOMPARE(app()->mainWidget(), nullptr);
    }

    void widgetLookup()
    {
        QWidget top;
        auto* frame = new QWidget(&top);
        auto* label = new QLabel(frame);
        QPushButton button;
        QCOMPARE(App::getWidgetByClassName("QLabel"), label);
        QCOMPARE(App::getWidgetByClassName("QPushButton"), &button);
        QCOMPARE(App::getWidgetByClassName("qlabel"), nullptr);
        QVERIFY(app()->isChildOf(label, &top));
        QVERIFY(!app()->isChildOf(&top, label));
        QVERIFY(!app()->isChildOf(&top, &top));
        QVERIFY(!app()->isChildOf(&button, &top));
    }
};

int main(int argc, char** argv)
{
    // A private resource folder, so that marker files do not touch the shared one.
    qputenv("TICKWREN_RESOURCE_DIR", testBundleDir().toLocal8Bit());
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
