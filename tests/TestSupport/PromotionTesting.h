#pragma once
// Small pieces the tests of the promotion frame share: a build made to look
// like one from outside the store, a menu entry by its text, and a test
// program whose application object has a private resource folder.

#include "ZEDireroz/frame/App.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

namespace PromotionTesting {

// Puts the marker of a build from outside the store into the resource folder, or takes it away.
inline void setIndependent(bool independent)
{
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    QString const marker = app->bundleResourcePath() + QStringLiteral("independent");
    if (independent)
        QVERIFY(QFile(marker).open(QIODevice::WriteOnly));
    else
        QFile::remove(marker);
    QCOMPARE(app->isAppStore(), !independent);
}

inline QAction* menuEntry(QMenu* menu, QString const& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace PromotionTesting

// A test program with the application object; its resource folder is private,
// so that a marker file can come and go without touching the folder other
// tests share.
#define TW_PROMOTION_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QTemporaryDir resources;                                                                                       \
        qputenv("TICKWREN_RESOURCE_DIR", resources.path().toLocal8Bit() + "/");                                        \
        ZEDireroz::App application(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));            \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
