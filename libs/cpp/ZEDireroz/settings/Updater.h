#pragma once
// The update check: fetches a short plain-text page from our web server, looks
// for the release line of the product and tells the user whether a newer
// version has been published since this build.

#include <QObject>
#include <QString>

class QLabel;

namespace ZEDireroz {

class Updater : public QObject
{
    Q_OBJECT
public:
    // Our web server; the check page and the updates page lie on it.
    static QString const& serverAddress();
    // The web page the user is sent to for a new version.
    static QString updatesPageLink();

    explicit Updater(bool silent, QObject* parent = nullptr);

    // Runs one check; waitLabel (may be null) is hidden before any answer is shown.
    // True when the server's page was read and the answer given (newer or latest);
    // false when the check could not be made.
    bool doUpdate(QLabel* waitLabel);

    QString magicString() const { return m_sMagic; }
    QString updatesCheckLink() const { return m_sCheckLink; }
    // Milliseconds the server may stay silent before the check gives up.
    void setTimeout(int milliseconds) { m_nTimeoutMs = milliseconds; }
    int timeout() const { return m_nTimeoutMs; }

public slots:
    void setMagicString(QString const& magic);
    void setUpdatesCheckLink(QString const& link);
    void slotUpdate();

private:
    void showAnswer(QLabel* waitLabel, QString const& text, QString const& picture);

    bool m_bSilent;
    QString m_sMagic;
    QString m_sCheckLink;
    int m_nTimeoutMs;
};

} // namespace ZEDireroz
