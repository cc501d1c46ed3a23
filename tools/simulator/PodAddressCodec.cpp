#include "PodAddressCodec.h"

#include <QRegularExpression>
#include <functional>

namespace sim {

namespace {

QString replaceAll(const QString& text, const QRegularExpression& pattern,
    const std::function<QString(const QString&)>& replace)
{
    QString result;
    int copied = 0;
    for (auto matches = pattern.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        result += text.midRef(copied, match.capturedStart() - copied);
        result += replace(match.captured(0));
        copied = match.capturedEnd();
    }
    return result + text.midRef(copied);
}

} // namespace

PodAddressCodec::PodAddressCodec(QStringList podAddresses)
    : podAddresses(std::move(podAddresses))
{
}

QString PodAddressCodec::encode(const QString& text) const
{
    // Whole addresses only: the port must not run on into more digits.
    static const QRegularExpression address("127\\.0\\.0\\.1:\\d+");
    return replaceAll(text, address, [this](const QString& found) {
        const int index = podAddresses.indexOf(found);
        return index < 0 ? found : QString("{pod:%1}").arg(index);
    });
}

QString PodAddressCodec::decode(const QString& text) const
{
    static const QRegularExpression placeholder("\\{pod:(\\d+)\\}");
    return replaceAll(text, placeholder, [this](const QString& found) {
        const int index = found.mid(5, found.size() - 6).toInt();
        return index < podAddresses.size() ? podAddresses.at(index) : found;
    });
}

} // namespace sim
