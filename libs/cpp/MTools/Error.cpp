#include "MTools/Error.h"

namespace MTools {

Error::Error(const char* text)
    : m_message(text)
{
}

Error::Error(const MString& text)
    : m_message(text)
{
}

const MString& Error::message() const
{
    return m_message;
}

} // namespace MTools
