#include "CurlReply.h"

#include "CurlMulti.h"
#include "ReplyLimits.h"

#include <QLocale>

namespace {

// What Qt's HTTP thread reports for each HTTP error status.
QNetworkReply::NetworkError errorForStatus(int status)
{
    switch (status) {
    case 400:
    case 418:
        return QNetworkReply::ProtocolInvalidOperationError;
    case 401:
        return QNetworkReply::AuthenticationRequiredError;
    case 403:
        return QNetworkReply::ContentAccessDenied;
    case 404:
        return QNetworkReply::ContentNotFoundError;
    case 405:
        return QNetworkReply::ContentOperationNotPermittedError;
    case 407:
        return QNetworkReply::ProxyAuthenticationRequiredError;
    case 409:
        return QNetworkReply::ContentConflictError;
    case 410:
        return QNetworkReply::ContentGoneError;
    case 500:
        return QNetworkReply::InternalServerError;
    case 501:
        return QNetworkReply::OperationNotImplementedError;
    case 503:
        return QNetworkReply::ServiceUnavailableError;
    default:
        return status > 500 ? QNetworkReply::UnknownServerError : QNetworkReply::UnknownContentError;
    }
}

// What Qt's reply reports when the same thing happens on its own socket (measured side by side):
// an answer that is not HTTP counts as the pod hanging up, since Qt drops the connection then.
QNetworkReply::NetworkError errorForTransfer(CURLcode result)
{
    switch (result) {
    case CURLE_COULDNT_CONNECT:
        return QNetworkReply::ConnectionRefusedError;
    case CURLE_COULDNT_RESOLVE_HOST:
        return QNetworkReply::HostNotFoundError;
    case CURLE_OPERATION_TIMEDOUT:
        return QNetworkReply::TimeoutError;
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_WEIRD_SERVER_REPLY:
        return QNetworkReply::RemoteHostClosedError;
    default:
        return QNetworkReply::ProtocolFailure;
    }
}

// Qt's default Accept-Language: the system locale, then anything.
QByteArray acceptLanguage()
{
    const QString locale = QLocale::system().name().replace('_', '-');
    if (locale == QLatin1String("C"))
        return "en,*";
    if (locale.startsWith(QLatin1String("en-")))
        return (locale + ",*").toLatin1();
    return (locale + ",en,*").toLatin1();
}

} // namespace

CurlReply::CurlReply(CurlMulti* multi, QNetworkAccessManager::Operation operation, const QByteArray& verb,
    const QNetworkRequest& request, const QByteArray& body, QObject* parent)
    : QNetworkReply(parent)
    , multi(multi)
    , easy(multi->takeHandle())
    , body(body)
    , limit(ReplyLimits::of(request))
{
    setRequest(request);
    setUrl(request.url());
    setOperation(operation);
    open(QIODevice::ReadOnly);

    headers = headersLikeQt(request, verb);
    curl_easy_setopt(easy, CURLOPT_URL, request.url().toEncoded().constData());
    if (!this->body.isEmpty()) {
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb.constData());
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, this->body.constData());
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(this->body.size()));
    } else if (verb == "GET") {
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    } else {
        // Sent the way curl sends a GET, under this verb: no body, no Content-Length, no chunking.
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb.constData());
    }
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
    // Qt's path ignores proxy variables unless the app asks for them; so does this one.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_TCP_NODELAY, 1L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, curlError);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CurlReply::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CurlReply::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    multi->add(easy, [this](CURLcode result) { finishTransfer(result); });
}

CurlReply::~CurlReply()
{
    if (multi)
        multi->recycle(easy);
    else
        curl_easy_cleanup(easy);
    curl_slist_free_all(headers);
}

// The headers Qt's HTTP thread would add, with the same values, and none that only curl adds.
curl_slist* CurlReply::headersLikeQt(const QNetworkRequest& request, const QByteArray& verb)
{
    curl_slist* list = nullptr;
    const auto add = [&list](const QByteArray& line) { list = curl_slist_append(list, line.constData()); };
    for (const QByteArray& name : request.rawHeaderList()) {
        // curl writes the length of what it sends.
        if (name.compare("Content-Length", Qt::CaseInsensitive) != 0)
            add(name + ": " + request.rawHeader(name));
    }
    if (!request.hasRawHeader("Content-Type") && verb != "POST")
        add("Content-Type:");
    if (!request.hasRawHeader("Connection"))
        add("Connection: Keep-Alive");
    // Set through curl so that it also undoes the encoding, as Qt does when it chose the header.
    if (!request.hasRawHeader("Accept-Encoding"))
        curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "gzip, deflate");
    // Read once: asking the system locale on every call costs more than the rest of the headers.
    static const QByteArray systemLanguages = acceptLanguage();
    if (!request.hasRawHeader("Accept-Language"))
        add("Accept-Language: " + systemLanguages);
    if (!request.hasRawHeader("User-Agent"))
        add("User-Agent: Mozilla/5.0");
    add("Accept:");
    add("Expect:");
    return list;
}

// Returning less than was given makes curl stop the transfer.
size_t CurlReply::onHeader(char* data, size_t size, size_t count, void* self)
{
    auto* reply = static_cast<CurlReply*>(self);
    reply->readHeaderLine(QByteArray(data, int(size * count)));
    return reply->refusal.isEmpty() ? size * count : 0;
}

size_t CurlReply::onBody(char* data, size_t size, size_t count, void* self)
{
    auto* reply = static_cast<CurlReply*>(self);
    if (reply->limit > 0) {
        reply->refusal
            = ReplyLimits::refusalOfSize(reply->received.size() + qint64(size * count), reply->limit);
        if (!reply->refusal.isEmpty())
            return 0;
    }
    reply->received.append(data, int(size * count));
    return size * count;
}

// Runs inside curl, so it only records; signals wait until the transfer is over.
void CurlReply::readHeaderLine(const QByteArray& line)
{
    const QByteArray text = line.trimmed();
    if (text.startsWith("HTTP/")) {
        const QList<QByteArray> parts = text.split(' ');
        status = parts.value(1).toInt();
        receivedHeaders.clear();
        setAttribute(QNetworkRequest::HttpReasonPhraseAttribute,
            QString::fromLatin1(text.mid(text.indexOf(' ', text.indexOf(' ') + 1) + 1)));
        return;
    }
    const int colon = text.indexOf(':');
    if (colon > 0) {
        const QByteArray name = text.left(colon).trimmed();
        const QByteArray value = text.mid(colon + 1).trimmed();
        if (limit > 0 && refusal.isEmpty())
            refusal = ReplyLimits::refusalOfHeader(name, value, limit);
        receivedHeaders.append({ name, value });
        return;
    }
    // The end of a header block; an interim 1xx answer is not the reply.
    if (!text.isEmpty() || status < 200)
        return;
    setAttribute(QNetworkRequest::HttpStatusCodeAttribute, status);
    for (const auto& [name, value] : qAsConst(receivedHeaders)) {
        // Repeated fields are joined the way Qt joins them.
        QByteArray joined = rawHeader(name);
        if (!joined.isEmpty())
            joined += name.compare("Set-Cookie", Qt::CaseInsensitive) == 0 ? "\n" : ", ";
        setRawHeader(name, joined + value);
    }
}

void CurlReply::finishTransfer(CURLcode result)
{
    if (status >= 200)
        emit metaDataChanged();
    if (!received.isEmpty()) {
        emit downloadProgress(received.size(), received.size());
        emit readyRead();
    }
    if (!refusal.isEmpty()) {
        ReplyLimits::logRefusal(this, refusal);
        fail(OperationCanceledError, refusal);
    } else if (result != CURLE_OK)
        fail(errorForTransfer(result), QString::fromLatin1(curlError));
    else if (!attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        // No final status line and header block that read as such: not an HTTP answer, as Qt's
        // path takes it too.
        fail(RemoteHostClosedError, tr("Not an HTTP answer"));
    else if (status >= 400)
        fail(errorForStatus(status),
            tr("Error transferring %1 - server replied: %2")
                .arg(url().toString(), attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    setFinished(true);
    emit readChannelFinished();
    emit finished();
}

void CurlReply::fail(NetworkError code, const QString& message)
{
    setError(code, message);
    emit errorOccurred(code);
#if QT_DEPRECATED_SINCE(5, 15)
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    emit error(code);
    QT_WARNING_POP
#endif
}

void CurlReply::abort()
{
    if (isFinished())
        return;
    if (multi)
        multi->remove(easy);
    close();
    fail(OperationCanceledError, tr("Operation canceled"));
    setFinished(true);
    emit readChannelFinished();
    emit finished();
}

qint64 CurlReply::bytesAvailable() const
{
    return received.size() - readPosition + QNetworkReply::bytesAvailable();
}

qint64 CurlReply::readData(char* data, qint64 maxSize)
{
    const qint64 count = qMin(maxSize, qint64(received.size()) - readPosition);
    if (count <= 0)
        return isFinished() ? -1 : 0;
    memcpy(data, received.constData() + readPosition, size_t(count));
    readPosition += count;
    return count;
}
