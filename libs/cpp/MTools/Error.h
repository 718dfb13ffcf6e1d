#pragma once

#include "MTools/MString.h"

namespace MTools {

// An error value carrying a message.
class Error
{
public:
    Error(const char* text);
    Error(const MString& text);

    const MString& message() const;

private:
    MString m_message;
};

} // namespace MTools
