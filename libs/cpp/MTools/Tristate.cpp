#include "MTools/Tristate.h"

namespace MTools {

Tristate::Tristate(TrisateVal value)
    : m_value(value)
{
}

Tristate::Tristate(bool value)
    : m_value(value ? TSTrue : TSFalse)
{
}

Tristate& Tristate::operator=(bool value)
{
    m_value = value ? TSTrue : TSFalse;
    return *this;
}

bool Tristate::operator==(const Tristate& other) const
{
    return m_value == other.m_value;
}

bool Tristate::operator!=(const Tristate& other) const
{
    return !(*this == other);
}

bool Tristate::toBool(bool* ok) const
{
    if (m_value == TSUndefined) {
        if (ok)
            *ok = false;
        return false;
    }
    return m_value == TSTrue;
}

} // namespace MTools
