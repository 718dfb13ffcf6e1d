#include <QtTest>

#include "MTools/Tristate.h"

using MTools::Tristate;

class TestTristate : public QObject
{
    Q_OBJECT

private slots:
    void toBool_data();
    void toBool();
    void equality();
    void assignment();
};

void TestTristate::toBool_data()
{
    QTest::addColumn<int>("held");
    QTest::addColumn<bool>("okBefore");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("okAfter");
    QTest::newRow("true leaves ok") << int(Tristate::TSTrue) << true << true << true;
    QTest::newRow("false leaves ok") << int(Tristate::TSFalse) << true << false << true;
    QTest::newRow("true leaves a false ok") << int(Tristate::TSTrue) << false << true << false;
    QTest::newRow("undefined clears ok") << 1000 << true << false << false;
    QTest::newRow("2 is defined and false") << 2 << true << false << true;
    QTest::newRow("-1 is defined and false") << -1 << true << false << true;
}

void TestTristate::toBool()
{
    QFETCH(int, held);
    QFETCH(bool, okBefore);
    const Tristate t(static_cast<Tristate::TrisateVal>(held));
    bool ok = okBefore;
    QTEST(t.toBool(&ok), "result");
    QTEST(ok, "okAfter");
}

void TestTristate::equality()
{
    QVERIFY(Tristate(true) == Tristate(Tristate::TSTrue));
    QVERIFY(Tristate(false) == Tristate(Tristate::TSFalse));
    QVERIFY(Tristate(Tristate::TSUndefined) == Tristate(Tristate::TSUndefined));
    QVERIFY(Tristate(true) != Tristate(false));
    QVERIFY(Tristate(false) != Tristate(Tristate::TSUndefined));
    QVERIFY(!(Tristate(true) != Tristate(true)));
    QCOMPARE(int(Tristate::TSUndefined), 1000);
}

void TestTristate::assignment()
{
    Tristate t(Tristate::TSUndefined);
    bool ok = true;
    QVERIFY((t = true).toBool(&ok));
    QVERIFY(ok);
    t = false;
    QVERIFY(t == Tristate(false));
    const Tristate undefined(Tristate::TSUndefined);
    t = undefined;
    QVERIFY(!t.toBool(&ok));
    QVERIFY(!ok);
    const Tristate copy(t);
    QVERIFY(copy == undefined);
}

QTEST_APPLESS_MAIN(TestTristate)
#include "tst_tristate.moc"
