#include "PodAddressCheck.h"

#include "Globals.h"
#include "HttpRequest.h"
#include "NetworkManager.h"
#include "PropertyHelpers.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {

bool isHostName(const QString& host)
{
    static const QRegularExpression name(
        R"(^(?=.{1,253}$)([A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?)(\.[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?)*$)");
    static const QRegularExpression numbersAndDots(R"(^[0-9.]+$)");
    // Digits and dots alone must make an IPv4 address.
    return name.match(host).hasMatch() && !numbersAndDots.match(host).hasMatch();
}

bool isIpv4(const QString& host)
{
    static const QRegularExpression dotted(R"(^\d{1,3}(\.\d{1,3}){3}$)");
    QHostAddress address;
    return dotted.match(host).hasMatch() && address.setAddress(host)
        && address.protocol() == QAbstractSocket::IPv4Protocol;
}

bool isBracketedIpv6(const QString& host)
{
    QHostAddress address;
    return host.startsWith('[') && host.endsWith(']') && address.setAddress(host.mid(1, host.size() - 2))
        && address.protocol() == QAbstractSocket::IPv6Protocol;
}

} // namespace

PodAddressCheck::PodAddressCheck(QObject* parent)
    : QObject(parent)
{
    m_typingPause.setSingleShot(true);
    m_typingPause.setInterval(typingPauseMs);
    connect(&m_typingPause, &QTimer::timeout, this, &PodAddressCheck::askPod);
}

QString PodAddressCheck::formatProblem(const QString& address)
{
    if (address.isEmpty())
        return {};
    if (address.contains(QLatin1String("://")))
        return tr("Leave out the http:// — the address alone, such as 10.0.4.21");
    if (address.contains(QRegularExpression(R"(\s)")))
        return tr("A pod address has no spaces");
    if (address.contains('/'))
        return tr("Leave out the path — the address alone, such as 10.0.4.21");
    static const QRegularExpression hostAndPort(R"(^(\[[^\]]*\]|[^:\[\]]+)(:(\d{1,5}))?$)");
    const QRegularExpressionMatch match = hostAndPort.match(address);
    const QString host = match.captured(1);
    if (!match.hasMatch() || !(isHostName(host) || isIpv4(host) || isBracketedIpv6(host)))
        return tr("Not a host name or IP address (an IPv6 address goes in brackets)");
    const QString port = match.captured(3);
    if (!port.isEmpty() && (port.toInt() < 1 || port.toInt() > 65535))
        return tr("The port must be from 1 to 65535");
    return {};
}

QString PodAddressCheck::loggable(const QString& address)
{
    QString shown = address.mid(address.lastIndexOf('@') + 1);
    for (QChar& character : shown) {
        if (!character.isPrint())
            character = '?';
    }
    return shown;
}

void PodAddressCheck::setAddress(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed == m_address)
        return;
    m_address = trimmed;
    m_problem = formatProblem(trimmed);
    m_pending = nullptr; // an answer about the old address no longer counts
    setAnswering(false);
    setChecking(isWellFormed());
    emit addressChanged();
    if (isWellFormed())
        m_typingPause.start();
    else
        m_typingPause.stop();
}

void PodAddressCheck::askPod()
{
    NetworkManager* network = Globals::getInstance().networkManager();
    if (!network || !isWellFormed())
        return setChecking(false);
    HttpRequest* request = network->checkPod(m_address);
    m_pending = request;
    whenFinished(request, this, [this, request](const HttpResponse& response) {
        if (request != m_pending)
            return;
        m_pending = nullptr;
        setAnswering(response.httpCode == 200);
        setChecking(false);
    });
}

void PodAddressCheck::setAnswering(bool answering)
{
    if (assignIfChanged(m_isAnswering, answering))
        emit isAnsweringChanged();
}

void PodAddressCheck::setChecking(bool checking)
{
    if (assignIfChanged(m_isChecking, checking))
        emit isCheckingChanged();
}
