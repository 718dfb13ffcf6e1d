#pragma once
// The application's one style sheet. It is a template whose placeholders, a
// name between "<!" and "!>", are replaced with pixel sizes for a desktop or
// for a small pocket screen; the device is decided once, at start-up.

#include <QString>

class TickwrenStyle
{
public:
    // Chooses the sizes by ZEDireroz::App::isPocketDevice().
    TickwrenStyle();
    explicit TickwrenStyle(bool pocketDevice);

    // The finished style sheet.
    QString m_sStyleSheet;

    // The template itself, placeholders and all.
    static QString styleTemplate();
};
