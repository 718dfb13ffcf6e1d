#pragma once
// A small window for trying an FTP server: log in, list a folder, change
// folder (by path or by double-clicking an entry, ".." for the way up) and
// store a little test file there. Every field starts empty; the password is
// not shown. What went wrong is said in the line at the bottom. Closing the
// window while a command waits cancels the command; the window closes as soon
// as the command has returned.

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace QMRequest {

class FtpClient;

class FtpGuiClient : public QWidget
{
    Q_OBJECT
public:
    explicit FtpGuiClient(QWidget* parent = nullptr);
    ~FtpGuiClient() override;

    FtpClient* client() const { return m_pClient; }

    // The name and content of the file that "Test" stores.
    static QString testFileName();
    static QByteArray testFileContent();

    // "host", "host:port" or "[v6 address]:port"; false for anything else.
    static bool splitHostPort(QString const& text, QString* host, quint16* port);

public slots:
    void slotLogin();
    void slotGo();
    void slotCd(QString const& name);
    void slotRefresh();
    void slotItemDoubleClicked(QTreeWidgetItem* item, int column);
    void slotTest();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createWidgets();
    void createLayout();
    void createConnections();
    // Runs one command of the client with the controls off, so that nothing is
    // clicked twice; false when it failed (shown in the status line), the
    // window is closing or it was deleted meanwhile.
    bool run(std::function<int()> const& command);
    void showStatus(QString const& text);
    // Shows the client's last failure; returns false for use in a condition.
    bool showFailure();
    // Changes folder and shows the new one's entries.
    void changeFolder(QString const& name);

    QLineEdit* m_pHost = nullptr;
    QLineEdit* m_pUser = nullptr;
    QLineEdit* m_pPassword = nullptr;
    QPushButton* m_pLogin = nullptr;
    QLineEdit* m_pPath = nullptr;
    QPushButton* m_pGo = nullptr;
    QPushButton* m_pRefresh = nullptr;
    QTreeWidget* m_pListing = nullptr;
    QPushButton* m_pTest = nullptr;
    QLabel* m_pStatus = nullptr;
    FtpClient* m_pClient = nullptr;
    // The window was closed while a command waited.
    bool m_bCloseWhenIdle = false;
};

} // namespace QMRequest
