#pragma once

#include <QByteArray>
#include <QString>

// What the app reads from pods' answers. Any bytes may arrive: each reader takes them all.
namespace PodReplies {

// Only a JSON string holds the version; a number or anything else reads as 0.
int apiVersion(const QByteArray& body);
// Empty when the answer names no connection.
QString connectionGuid(const QByteArray& body);
// Empty when the page lacks the device-id row.
QString deviceId(const QByteArray& body);

} // namespace PodReplies
