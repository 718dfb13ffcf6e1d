#pragma once
// The answer of one screenshot-portal request: the portal replies to the call
// with a request object and later sends that object's Response signal.

#include <QObject>
#include <QString>
#include <QVariantMap>

namespace ZEDireroz {
namespace ScreenGrab {

class PortalResponse : public QObject
{
    Q_OBJECT
public:
    bool answered = false;
    uint code = 0;
    QVariantMap results;

signals:
    void arrived();

public slots:
    void onResponse(uint response, QVariantMap const& values)
    {
        answered = true;
        code = response;
        results = values;
        emit arrived();
    }
};

} // namespace ScreenGrab
} // namespace ZEDireroz
