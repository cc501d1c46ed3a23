// The anchor of a session's opening: the calls a session sends when it opens a classroom, sent with
// nothing but libcurl's multi interface (no Qt, no queue, no replies). Every version GET, then every
// configure PATCH, then the banner and forwarding PATCHes of the pods on API version 2 or later.
// Prints how long until every configure was answered and until every call was.
// Usage: bare_open_bench ADDRESS...   (each 127.0.0.1:PORT)
#include <chrono>
#include <cstdio>
#include <curl/curl.h>
#include <string>
#include <vector>

namespace {

struct Call {
    std::string url;
    const char* verb;
    std::string body;
    std::string answer;
    long status = 0;
};

size_t keepAnswer(char* data, size_t size, size_t count, void* answer)
{
    static_cast<std::string*>(answer)->append(data, size * count);
    return size * count;
}

// Sends every call at once, as many connections per pod as the app allows, and returns when all
// are answered; false when one failed.
bool sendRound(CURLM* multi, std::vector<Call>& calls)
{
    curl_slist* json = curl_slist_append(nullptr, "Content-Type: application/json; charset=utf-8");
    std::vector<CURL*> handles;
    for (Call& call : calls) {
        CURL* easy = curl_easy_init();
        curl_easy_setopt(easy, CURLOPT_URL, call.url.c_str());
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, call.verb);
        if (!call.body.empty()) {
            curl_easy_setopt(easy, CURLOPT_POSTFIELDS, call.body.c_str());
            curl_easy_setopt(easy, CURLOPT_HTTPHEADER, json);
        }
        curl_easy_setopt(easy, CURLOPT_PROXY, "");
        curl_easy_setopt(easy, CURLOPT_TCP_NODELAY, 1L);
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, 5000L);
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &keepAnswer);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, &call.answer);
        curl_multi_add_handle(multi, easy);
        handles.push_back(easy);
    }
    for (int running = 1; running;) {
        curl_multi_perform(multi, &running);
        if (running)
            curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
    }
    bool answered = true;
    for (size_t i = 0; i < calls.size(); ++i) {
        curl_easy_getinfo(handles[i], CURLINFO_RESPONSE_CODE, &calls[i].status);
        answered = answered && calls[i].status == 200;
        curl_multi_remove_handle(multi, handles[i]);
        curl_easy_cleanup(handles[i]);
    }
    curl_slist_free_all(json);
    return answered;
}

// The number in {"version": "2"}; 0 when there is none.
int apiVersion(const std::string& answer)
{
    const size_t key = answer.find("\"version\"");
    const size_t digit = answer.find_first_of("0123456789", key == std::string::npos ? answer.size() : key);
    return digit == std::string::npos ? 0 : std::stoi(answer.substr(digit));
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "Usage: %s ADDRESS...\n", argv[0]);
        return 2;
    }
    curl_global_init(CURL_GLOBAL_DEFAULT);
    CURLM* multi = curl_multi_init();
    curl_multi_setopt(multi, CURLMOPT_MAX_HOST_CONNECTIONS, 6L);

    std::vector<std::string> apis;
    for (int i = 1; i < argc; ++i)
        apis.push_back(std::string("http://") + argv[i] + "/api/v2/content/activerouting");
    std::vector<Call> versions, configures, followUps;
    for (const std::string& api : apis) {
        versions.push_back({ api + "/version", "GET", {} });
        configures.push_back({ api, "PATCH",
            R"({"background": "#336699", "foreground": "#FFFFFF", "message": "Display is sharing!", )"
            R"("presence": true})" });
    }

    const auto start = std::chrono::steady_clock::now();
    bool answered = sendRound(multi, versions) && sendRound(multi, configures);
    const double connectedMs = msSince(start);
    for (size_t pod = 0; pod < apis.size(); ++pod) {
        if (apiVersion(versions[pod].answer) < 2)
            continue;
        followUps.push_back({ apis[pod], "PATCH", R"({"banners": true})" });
        followUps.push_back({ apis[pod], "PATCH", R"({"forwarding": false})" });
    }
    answered = sendRound(multi, followUps) && answered;
    const double answeredMs = msSince(start);

    curl_multi_cleanup(multi);
    curl_global_cleanup();
    if (!answered) {
        std::fprintf(stderr, "a pod did not answer 200\n");
        return 1;
    }
    std::printf("BARE %.3f %.3f\n", connectedMs, answeredMs);
    return 0;
}
