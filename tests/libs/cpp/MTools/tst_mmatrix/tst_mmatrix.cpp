#include <QtTest>

#include <functional>
#include <random>
#include <sstream>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "MTools/MMatrix.h"

namespace {

using Action = std::function<void()>;

// The obvious matrix of nested vectors, for comparison.
using Naive = std::vector<std::vector<float>>;

Naive randomNaive(int n, int m, std::mt19937& random)
{
    // Small whole numbers: sums and products stay exact in float.
    std::uniform_int_distribution<int> value(-9, 9);
    Naive a(static_cast<size_t>(n), std::vector<float>(static_cast<size_t>(m)));
    for (auto& row : a)
        for (float& x : row)
            x = float(value(random));
    return a;
}

MMatrix<float> fromNaive(const Naive& a, int n, int m)
{
    std::vector<float> flat;
    for (const auto& row : a)
        flat.insert(flat.end(), row.begin(), row.end());
    return MMatrix<float>(flat.data(), n, m);
}

Naive naiveProduct(const Naive& a, const Naive& b)
{
    const size_t columns = b.empty() ? 0 : b[0].size();
    Naive r(a.size(), std::vector<float>(columns, 0.0f));
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < columns; ++j)
            for (size_t k = 0; k < b.size(); ++k)
                r[i][j] += a[i][k] * b[k][j];
    return r;
}

Naive naiveZip(const Naive& a, const Naive& b, float sign)
{
    Naive r = a;
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < a[i].size(); ++j)
            r[i][j] += sign * b[i][j];
    return r;
}

Naive naiveScaled(const Naive& a, float s)
{
    Naive r = a;
    for (auto& row : r)
        for (float& x : row)
            x *= s;
    return r;
}

void compareTo(MMatrix<float>& actual, const Naive& expected)
{
    QCOMPARE(actual.nrows(), int(expected.size()));
    for (int i = 0; i < actual.nrows(); ++i) {
        QCOMPARE(actual.ncols(), int(expected[size_t(i)].size()));
        for (int j = 0; j < actual.ncols(); ++j)
            QCOMPARE(actual.getElement(i, j), expected[size_t(i)][size_t(j)]);
    }
}

// Runs the action in a child process; returns whether it aborted, and what it
// wrote to standard error.
bool abortsWith(const Action& action, QByteArray* errorText)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        action();
        _exit(0);
    }
    close(pipeFds[1]);
    char chunk[4096];
    ssize_t got;
    while ((got = read(pipeFds[0], chunk, sizeof chunk)) > 0)
        errorText->append(chunk, int(got));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT;
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestMMatrix : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void productOfTheTranspose();
    void againstNaive_data();
    void againstNaive();
    void copyAndAssignment();
    void print();
    void checks_data();
    void checks();
};

void TestMMatrix::construction()
{
    MMatrix<int> sevens(2, 3, 7);
    QCOMPARE(sevens.nrows(), 2);
    QCOMPARE(sevens.ncols(), 3);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            QCOMPARE(sevens(i, j), 7);

    int values[] = {1, 2, 3, 4, 5, 6};
    MMatrix<int> a(values, 2, 3);
    QCOMPARE(a.getElement(1, 0), 4);
    QCOMPARE(a.getElement(0, 2), 3);
    QCOMPARE(a.setElement(1, 2, 60), 60);
    QCOMPARE(a(1, 2), 60);

    int block[] = {8, 9};
    QCOMPARE(a.init(block, 1, 2), 0);
    QCOMPARE(a(0, 0), 8);
    QCOMPARE(a(0, 1), 9);
    QCOMPARE(a(0, 2), 3);
}

void TestMMatrix::productOfTheTranspose()
{
    int values[] = {1, 2, 3, 4, 5, 6};
    int transposed[] = {1, 4, 2, 5, 3, 6};
    const MMatrix<int> a(values, 2, 3);
    const MMatrix<int> t(transposed, 3, 2);
    const MMatrix<int> p = a * t;
    QCOMPARE(p.nrows(), 2);
    QCOMPARE(p.ncols(), 2);
    QCOMPARE(p(0, 0), 14);
    QCOMPARE(p(0, 1), 32);
    QCOMPARE(p(1, 0), 32);
    QCOMPARE(p(1, 1), 77);

    float fvalues[] = {1, 2, 3, 4, 5, 6};
    float ftransposed[] = {1, 4, 2, 5, 3, 6};
    MMatrix<float> r(2, 2, -1.0f);
    mult(MMatrix<float>(fvalues, 2, 3), MMatrix<float>(ftransposed, 3, 2), r);
    QCOMPARE(r(0, 0), 14.0f);
    QCOMPARE(r(0, 1), 32.0f);
    QCOMPARE(r(1, 0), 32.0f);
    QCOMPARE(r(1, 1), 77.0f);

    scale(r, 2.0f);
    QCOMPARE(r(0, 0), 28.0f);
    QCOMPARE(r(1, 1), 154.0f);
}

void TestMMatrix::againstNaive_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("p");
    const QStringList operations{"+", "-", "+=", "-=", "*", "* scalar", "mult", "scale"};
    const int shapes[][3] = {{1, 1, 1}, {2, 3, 2}, {3, 3, 3}, {4, 1, 5}, {1, 6, 1}, {5, 4, 3}, {0, 3, 2}};
    for (const QString& operation : operations)
        for (const auto& shape : shapes)
            QTest::addRow("%s %dx%dx%d", qPrintable(operation), shape[0], shape[1], shape[2])
                << operation << shape[0] << shape[1] << shape[2];
}

// a is n x m; b is n x m for the element-wise operations and m x p for products.
void TestMMatrix::againstNaive()
{
    QFETCH(QString, operation);
    QFETCH(int, n);
    QFETCH(int, m);
    QFETCH(int, p);
    std::mt19937 random(uint32_t(n * 100 + m * 10 + p));
    const Naive na = randomNaive(n, m, random);
    const bool product = operation == "*" || operation == "mult";
    const Naive nb = randomNaive(product ? m : n, product ? p : m, random);
    MMatrix<float> a = fromNaive(na, n, m);
    const MMatrix<float> b = fromNaive(nb, product ? m : n, product ? p : m);
    const float s = -3.0f;

    if (operation == "+") {
        MMatrix<float> r = a + b;
        compareTo(r, naiveZip(na, nb, 1));
    } else if (operation == "-") {
        MMatrix<float> r = a - b;
        compareTo(r, naiveZip(na, nb, -1));
    } else if (operation == "+=") {
        a += b;
        compareTo(a, naiveZip(na, nb, 1));
    } else if (operation == "-=") {
        a -= b;
        compareTo(a, naiveZip(na, nb, -1));
    } else if (operation == "*") {
        MMatrix<float> r = a * b;
        compareTo(r, naiveProduct(na, nb));
    } else if (operation == "* scalar") {
        MMatrix<float> r = a * s;
        compareTo(r, naiveScaled(na, s));
        compareTo(a, na);
    } else if (operation == "mult") {
        MMatrix<float> r(n, p, 99.0f);
        mult(a, b, r);
        compareTo(r, naiveProduct(na, nb));
    } else if (operation == "scale") {
        scale(a, s);
        compareTo(a, naiveScaled(na, s));
    }
}

void TestMMatrix::copyAndAssignment()
{
    MMatrix<int> original(2, 2, 1);
    MMatrix<int> copy(original);
    original.setElement(0, 0, 5);
    QCOMPARE(copy(0, 0), 1);

    // Assignment between different sizes: each matrix keeps rows of its own, and
    // both free them once (a shallow copy would free the same rows twice).
    MMatrix<int> target(1, 4, 0);
    target = original;
    original.setElement(1, 1, 9);
    QCOMPARE(target.nrows(), 2);
    QCOMPARE(target.ncols(), 2);
    QCOMPARE(target(0, 0), 5);
    QCOMPARE(target(1, 1), 1);

    MMatrix<int>& self = target;
    target = self;
    QCOMPARE(target(0, 0), 5);
    QCOMPARE(target.nrows(), 2);
}

void TestMMatrix::print()
{
    int values[] = {1, 2, 3, 4};
    const MMatrix<int> a(values, 2, 2);
    std::ostringstream out;
    std::streambuf* old = std::cout.rdbuf(out.rdbuf());
    a.print(4);
    std::cout.rdbuf(old);
    QCOMPARE(QString::fromStdString(out.str()), QStringLiteral("\n   1    2 \n   3    4 \n"));
}

void TestMMatrix::checks_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QByteArray>("expression");
    const QByteArray index = "!((i < 0) || (i >= m_nN) || (j < 0) || (j >= m_nM))";
    const QByteArray sizes = "!((matrM.m_nN != m_nN) || (matrM.m_nM != m_nM))";

    QTest::newRow("getElement row past the end") << Action([] { MMatrix<int>(2, 3, 0).getElement(2, 0); }) << index;
    QTest::newRow("getElement negative column") << Action([] { MMatrix<int>(2, 3, 0).getElement(0, -1); }) << index;
    QTest::newRow("operator() column past the end") << Action([] { MMatrix<float>(2, 3, 0)(1, 3); }) << index;
    QTest::newRow("setElement negative row") << Action([] { MMatrix<int>(2, 3, 0).setElement(-1, 0, 1); }) << index;
    QTest::newRow("setElement past the end") << Action([] { MMatrix<double>(2, 3, 0).setElement(2, 3, 1); }) << index;
    QTest::newRow("init larger than the matrix") << Action([] {
        int values[9] = {};
        MMatrix<int>(2, 2, 0).init(values, 3, 3);
    }) << QByteArray("(n > m_nN)");
    QTest::newRow("init negative count") << Action([] {
        int values[1] = {};
        MMatrix<int>(2, 2, 0).init(values, -1, 1);
    }) << QByteArray("(n < 0)");
    QTest::newRow("negative size") << Action([] { MMatrix<double>(-1, 2, 0); }) << QByteArray("(n < 0)");
    QTest::newRow("2x3 + 3x2") << Action([] { MMatrix<int>(2, 3, 0) + MMatrix<int>(3, 2, 0); }) << sizes;
    QTest::newRow("2x3 - 2x2") << Action([] { MMatrix<double>(2, 3, 0) - MMatrix<double>(2, 2, 0); }) << sizes;
    QTest::newRow("+= other size") << Action([] {
        MMatrix<int> a(2, 3, 0);
        a += MMatrix<int>(2, 2, 0);
    }) << sizes;
    QTest::newRow("-= other size") << Action([] {
        MMatrix<int> a(2, 3, 0);
        a -= MMatrix<int>(1, 3, 0);
    }) << sizes;
    QTest::newRow("product 2x3 * 2x3") << Action([] { MMatrix<double>(2, 3, 0) * MMatrix<double>(2, 3, 0); })
                                       << QByteArray("!(m_nM != b.m_nN)");
    QTest::newRow("mult into a wrong-sized result") << Action([] {
        MMatrix<float> r(3, 3, 0);
        mult(MMatrix<float>(2, 3, 0), MMatrix<float>(3, 2, 0), r);
    }) << QByteArray("(r.nrows() != a.nrows())");
    QTest::newRow("mult of mismatched factors") << Action([] {
        MMatrix<float> r(2, 2, 0);
        mult(MMatrix<float>(2, 3, 0), MMatrix<float>(2, 2, 0), r);
    }) << QByteArray("(a.ncols() != b.nrows())");
}

void TestMMatrix::checks()
{
    QFETCH(Action, action);
    QFETCH(QByteArray, expression);
    QByteArray errorText;
    QVERIFY2(abortsWith(action, &errorText), errorText.constData());
    QVERIFY2(errorText.contains("Assertion `"), errorText.constData());
    QVERIFY2(errorText.contains(expression), errorText.constData());
    QVERIFY2(errorText.contains("libs/cpp/MTools/MMatrix"), errorText.constData());
}

QTEST_APPLESS_MAIN(TestMMatrix)
#include "tst_mmatrix.moc"
