#include "HttpServer.h"

#include "HostileBodies.h"
#include "JsonHttp.h"
#include "ServerContext.h"

#include <QRandomGenerator>
#include <arpa/inet.h>
#include <cstdlib>
#include <event2/buffer.h>
#include <event2/bufferevent.h>
#include <event2/http.h>
#include <event2/keyvalq_struct.h>
#include <event2/listener.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace sim {

namespace {

const std::string garbage = "\x89\x01<garbage>{\"unterminated: ";

// An endless body goes out in pieces of this size, one at most every few milliseconds and only
// while the client keeps up.
const std::string endlessPiece(64 * 1024, ' ');
constexpr std::chrono::milliseconds endlessPause(5);
// How often a held streamed answer looks whether its client is still there.
constexpr std::chrono::milliseconds hangUpCheck(100);
const char* const hugeLength = "10000000000";
// What follows the huge Content-Length: the start of the real body.
constexpr size_t hugeLengthBytes = 16;

// The app reuses a pod's connections across a session; an idle one closes after this long.
constexpr int idleSeconds = 2;

std::string methodName(evhttp_cmd_type command)
{
    switch (command) {
    case EVHTTP_REQ_GET:
        return "GET";
    case EVHTTP_REQ_POST:
        return "POST";
    case EVHTTP_REQ_PUT:
        return "PUT";
    case EVHTTP_REQ_PATCH:
        return "PATCH";
    case EVHTTP_REQ_DELETE:
        return "DELETE";
    default:
        return "HEAD";
    }
}

ServerRequest::Fields fieldsOf(const evkeyvalq* list)
{
    ServerRequest::Fields fields;
    for (const evkeyval* field = list->tqh_first; field; field = field->next.tqe_next)
        fields.emplace_back(field->key, field->value);
    return fields;
}

std::string decoded(const char* text)
{
    char* plain = evhttp_uridecode(text, 0, nullptr);
    std::string result = plain ? plain : text;
    free(plain);
    return result;
}

ServerRequest requestOf(evhttp_request* exchange)
{
    ServerRequest request;
    request.method = methodName(evhttp_request_get_command(exchange));
    request.target = evhttp_request_get_uri(exchange);
    const evhttp_uri* uri = evhttp_request_get_evhttp_uri(exchange);
    const char* path = evhttp_uri_get_path(uri);
    request.path = decoded(path && *path ? path : "/");
    if (const char* query = evhttp_uri_get_query(uri)) {
        evkeyvalq parameters {};
        if (evhttp_parse_query_str(query, &parameters) == 0)
            request.parameters = fieldsOf(&parameters);
        evhttp_clear_headers(&parameters);
    }
    request.headers = fieldsOf(evhttp_request_get_input_headers(exchange));
    evbuffer* body = evhttp_request_get_input_buffer(exchange);
    request.body.resize(evbuffer_get_length(body));
    evbuffer_copyout(body, request.body.data(), request.body.size());
    return request;
}

evkeyvalq* addHeaders(evhttp_request* exchange, const ServerResponse& response)
{
    evkeyvalq* headers = evhttp_request_get_output_headers(exchange);
    if (!response.contentType.empty())
        evhttp_add_header(headers, "Content-Type", response.contentType.c_str());
    for (const auto& [name, value] : response.headers)
        evhttp_add_header(headers, name.c_str(), value.c_str());
    return headers;
}

// A cut answer promises the whole body, carries its first half and closes the connection.
void send(evhttp_request* exchange, const ServerResponse& response, bool cut)
{
    evkeyvalq* headers = addHeaders(exchange, response);
    std::string body = response.body;
    if (cut) {
        if (body.empty())
            body = "{}";
        evhttp_add_header(headers, "Content-Length", std::to_string(body.size()).c_str());
        evhttp_add_header(headers, "Connection", "close");
        body.resize(body.size() / 2);
    }
    evbuffer* buffer = evbuffer_new();
    evbuffer_add(buffer, body.data(), body.size());
    evhttp_send_reply(exchange, response.status, nullptr, buffer);
    evbuffer_free(buffer);
}

void sendPiece(evhttp_request* exchange, const std::string& piece)
{
    evbuffer* buffer = evbuffer_new();
    evbuffer_add(buffer, piece.data(), piece.size());
    evhttp_send_reply_chunk(exchange, buffer);
    evbuffer_free(buffer);
}

// What a fault's action makes of the real answer. Hostile answers have a status of their own
// unless the fault gives one.
void spoil(ServerResponse& response, const Fault& fault, const std::string& elsewhere)
{
    const auto answerWith = [&](int status) {
        if (fault.status == 0)
            response.status = status;
    };
    switch (fault.action) {
    case Fault::Action::Garbage:
        response.body = garbage;
        break;
    case Fault::Action::GzipBomb:
        answerWith(200);
        response.body = HostileBodies::gzipBomb();
        response.headers.emplace_back("Content-Encoding", "gzip");
        break;
    case Fault::Action::GzipBody:
        response.body = HostileBodies::gzipped(response.body);
        response.headers.emplace_back("Content-Encoding", "gzip");
        break;
    case Fault::Action::HugeImage:
        answerWith(200);
        response.setContent(HostileBodies::hugeJpeg(), "image/jpeg");
        break;
    case Fault::Action::Redirect:
        answerWith(302);
        response.setContent({}, {});
        response.headers.emplace_back("Location", elsewhere);
        break;
    case Fault::Action::Endless:
    case Fault::Action::HugeLength:
        answerWith(200);
        break;
    default:
        break;
    }
}

// Hangs up without answering. Nothing can be written on the shut socket, so the reply only lets
// libevent fail the connection and release the request.
void hangUp(evhttp_request* exchange)
{
    if (evhttp_connection* connection = evhttp_request_get_connection(exchange))
        shutdown(bufferevent_getfd(evhttp_connection_get_bufferevent(connection)), SHUT_RDWR);
    evhttp_send_reply(exchange, 500, nullptr, nullptr);
}

} // namespace

HttpServer::HttpServer(QString name, ServerContext& context, QString group)
    : serverName(std::move(name))
    , group(std::move(group))
    , context(context)
{
}

HttpServer::~HttpServer()
{
    close();
}

void HttpServer::route(const std::string& method, const std::string& pattern, Handler handler)
{
    routes.push_back({ method, std::regex(pattern), std::move(handler), true });
}

void HttpServer::control(const std::string& method, const std::string& pattern, Handler handler)
{
    routes.push_back({ method, std::regex(pattern), std::move(handler), false });
}

bool HttpServer::bind(int port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    // A wide backlog: a client opening many connections at once must not wait for retried SYNs.
    evconnlistener* listener = evconnlistener_new_bind(context.loop.base(), nullptr, nullptr,
        LEV_OPT_REUSEABLE | LEV_OPT_CLOSE_ON_FREE | LEV_OPT_CLOSE_ON_EXEC, SOMAXCONN,
        reinterpret_cast<sockaddr*>(&address), sizeof address);
    if (!listener)
        return false;
    const int socket = evconnlistener_get_fd(listener);
    // Accepted connections inherit it: small answers go out at once, not after a delayed ACK.
    const int noDelay = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    socklen_t size = sizeof address;
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
    boundPort = ntohs(address.sin_port);

    http = evhttp_new(context.loop.base());
    evhttp_set_allowed_methods(http,
        EVHTTP_REQ_GET | EVHTTP_REQ_POST | EVHTTP_REQ_PUT | EVHTTP_REQ_PATCH | EVHTTP_REQ_DELETE
            | EVHTTP_REQ_HEAD);
    evhttp_set_timeout(http, idleSeconds);
    evhttp_set_gencb(http, &HttpServer::dispatch, this);
    evhttp_bind_listener(http, listener);
    return true;
}

void HttpServer::close()
{
    // Streams whose client left are ours to release; the others go with their connections.
    for (evhttp_request* exchange : streams) {
        if (!evhttp_request_get_connection(exchange))
            evhttp_send_reply_end(exchange);
    }
    streams.clear();
    if (http)
        evhttp_free(http);
    http = nullptr;
}

QString HttpServer::address() const
{
    return QString("127.0.0.1:%1").arg(boundPort);
}

QString HttpServer::url() const
{
    return "http://" + address();
}

void HttpServer::dispatch(evhttp_request* exchange, void* server)
{
    static_cast<HttpServer*>(server)->serve(exchange);
}

void HttpServer::serve(evhttp_request* exchange)
{
    ServerRequest request = requestOf(exchange);
    static const Handler noSuchCall = [](const ServerRequest&, ServerResponse& response) {
        JsonHttp::replyError(response, 404, "no such call");
    };
    const Handler* handler = &noSuchCall;
    bool recorded = true;
    for (const Route& route : routes) {
        std::smatch match;
        if (route.method == request.method && std::regex_match(request.path, match, route.pattern)) {
            request.matches.assign(match.begin(), match.end());
            handler = &route.handler;
            recorded = route.recorded;
            break;
        }
    }
    if (!recorded)
        return answer(exchange, request, *handler, Fault {});

    context.requests.record(serverName, address(), request);
    const Fault fault = context.faults
                            .take(serverName, group, QString::fromStdString(request.method),
                                QString::fromStdString(request.path))
                            .value_or(Fault {});
    const int jitterMs = context.jitterMs > 0 ? QRandomGenerator::global()->bounded(context.jitterMs + 1) : 0;
    const int delayMs = context.latencyMs + jitterMs + fault.latencyMs;
    if (delayMs == 0)
        return answer(exchange, request, *handler, fault);
    context.loop.after(
        std::chrono::milliseconds(delayMs), [this, exchange, request = std::move(request), handler, fault] {
            answer(exchange, request, *handler, fault);
        });
}

void HttpServer::answer(
    evhttp_request* exchange, const ServerRequest& request, const Handler& handler, const Fault& fault)
{
    if (fault.action == Fault::Action::Hold)
        return;
    if (fault.action == Fault::Action::Close)
        return hangUp(exchange);

    ServerResponse response;
    if (fault.status != 0)
        JsonHttp::replyError(response, fault.status, "injected fault");
    else
        handler(request, response);
    if (response.held)
        return;
    spoil(response, fault, (url() + QString::fromStdString(redirectPath)).toStdString());
    if (fault.action == Fault::Action::Endless || fault.action == Fault::Action::HugeLength)
        return stream(exchange, response, fault.action == Fault::Action::Endless);
    send(exchange, response, fault.action == Fault::Action::Cut);
}

void HttpServer::stream(evhttp_request* exchange, const ServerResponse& response, bool endless)
{
    streams.insert(exchange);
    evkeyvalq* headers = addHeaders(exchange, response);
    if (!endless)
        evhttp_add_header(headers, "Content-Length", hugeLength);
    // Only the client or the simulator stopping ends it, not the idle time-out.
    if (evhttp_connection* connection = evhttp_request_get_connection(exchange))
        evhttp_connection_set_timeout(connection, 0);
    evhttp_send_reply_start(exchange, response.status, nullptr);
    if (!endless)
        sendPiece(exchange, response.body.substr(0, hugeLengthBytes));
    feed(exchange, endless);
}

void HttpServer::feed(evhttp_request* exchange, bool endless)
{
    // Once the client has hung up, libevent leaves the unfinished request to us.
    evhttp_connection* connection = evhttp_request_get_connection(exchange);
    if (!connection) {
        streams.erase(exchange);
        return evhttp_send_reply_end(exchange);
    }
    const evbuffer* unsent = bufferevent_get_output(evhttp_connection_get_bufferevent(connection));
    if (endless && evbuffer_get_length(unsent) < endlessPiece.size())
        sendPiece(exchange, endlessPiece);
    context.loop.after(
        endless ? endlessPause : hangUpCheck, [this, exchange, endless] { feed(exchange, endless); });
}

} // namespace sim
