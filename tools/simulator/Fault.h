#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

namespace sim {

// One injected misbehaviour: which requests it hits and what happens to them.
//
// JSON form: {"target": "cloud" | "pods" | "pod:N", "method": "POST", "path": "/prefix",
//             "latencyMs": 0, "status": 0, "action": "answer" | "hold" | "close" | "garbage" | "cut"
//             | "gzipBomb" | "endless" | "hugeImage" | "redirect" | "gzipBody" | "hugeLength", "times": 0}
// Only "target" is required. "method" and "path" narrow the requests hit (path is a prefix).
// "status" answers that status instead of the real answer; "hold" never answers, "close" hangs up
// without an answer, "garbage" replaces the body,
// "cut" hangs up halfway through the real answer's body. The hostile actions play a peer that
// attacks its client: "gzipBomb" a small gzip body inflating to 256 MiB, "endless" a body that never
// ends, "hugeImage" a tiny JPEG claiming 20000x20000, "redirect" a 302 to another path of the same
// server, "gzipBody" the real answer gzip-encoded, "hugeLength" a 10 GB Content-Length and then a
// few bytes. "times" limits the fault to the next K requests.
struct Fault {
    enum class Action {
        Answer,
        Hold,
        Close,
        Garbage,
        Cut,
        GzipBomb,
        Endless,
        HugeImage,
        Redirect,
        GzipBody,
        HugeLength
    };

    QString target;
    QString method;
    QString path;
    int latencyMs = 0;
    int status = 0;
    Action action = Action::Answer;
    int times = 0;

    static std::optional<Fault> fromJson(const QJsonObject& json, QString* error);
    QJsonObject toJson() const;

    bool hasEffect() const;
    // Same target, method and path: a new rule replaces the old one.
    bool sameRule(const Fault& other) const;
    bool matches(const QString& server, const QString& group, const QString& requestMethod,
        const QString& requestPath) const;
};

} // namespace sim
