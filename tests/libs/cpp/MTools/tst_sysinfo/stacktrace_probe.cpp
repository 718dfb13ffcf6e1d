// Prints the stack trace taken in probe::traceFromHere().
#include <cstdio>

#include <QByteArray>

#include "MTools/SysInfo.h"

namespace probe {

__attribute__((noinline)) void traceFromHere()
{
    const QByteArray trace = MTools::SysInfo::stackTrace().toUtf8();
    std::fwrite(trace.constData(), 1, size_t(trace.size()), stdout);
}

} // namespace probe

int main()
{
    probe::traceFromHere();
    return 0;
}
