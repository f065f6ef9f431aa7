#include "bench_panel.h"

#include "ui/ui_uart_network.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>

#include <algorithm>

void Bench_OffscreenUnlessDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QList<LocalAddressEntry> Bench_LoopbackOnly()
{
    LocalAddressEntry lo;
    lo.ip = QStringLiteral("127.0.0.1");
    lo.netmask = QStringLiteral("255.0.0.0");
    lo.interfaceName = QStringLiteral("lo");
    lo.ipv4 = lo.loopback = true;
    return {lo};
}

void Bench_ConnectLoopback(Ui_Uart_Network *page, quint16 port)
{
    page->setAddressSource(&Bench_LoopbackOnly);
    page->ipEdit()->setText(QStringLiteral("127.0.0.1"));
    page->portEdit()->setText(QString::number(port));
    page->maskEdit()->setText(QStringLiteral("255.0.0.0"));
    page->gatewayEdit()->setText(QStringLiteral("127.0.0.1"));
    page->networkButton()->click();
}

BoxCloser::BoxCloser()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            ++m_count;
            box->close();
        }
    });
    m_timer.start(100);
}

quint16 LoopbackPeer::listen()
{
    m_server = new QTcpServer(this);
    m_server->listen(QHostAddress(QHostAddress::LocalHost), 0);
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        m_client = m_server->nextPendingConnection();
        connect(m_client, &QTcpSocket::readyRead, this, [this] { answer(); });
        connect(m_client, &QTcpSocket::bytesWritten, this, [this] { refill(); });
    });
    return m_server->serverPort();
}

void LoopbackPeer::write(const QByteArray &bytes)
{
    m_client->write(bytes);
    linesWritten += std::count(bytes.begin(), bytes.end(), '\r');
}

void LoopbackPeer::answer()
{
    m_pending += m_client->readAll();
    for (int cr = m_pending.indexOf('\r'); cr >= 0; cr = m_pending.indexOf('\r')) {
        const QByteArray line = m_pending.left(cr);
        m_pending.remove(0, cr + 1);
        if (line == "GET MODEL TYPE") {
            write("MODEL TYPE Halden\r");
        } else if (line.startsWith("GET ")) {
            write(line.mid(4) + " 0\r");
            ++queriesAnswered;
        }
    }
    if (m_pending.size() > 4096)
        m_pending.clear();
}
