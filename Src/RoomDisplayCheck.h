#pragma once

#include <QObject>
#include <QVariantMap>

// Asks every pod of a classroom at once whether it answers, before class; the library's cards
// show the outcome.
class RoomDisplayCheck : public QObject {
    Q_OBJECT
    // classroomId -> {"checking": bool, "answering": int, "total": int, "silent": [display names]}
    Q_PROPERTY(QVariantMap results READ results NOTIFY resultsChanged)
public:
    explicit RoomDisplayCheck(QObject* parent = nullptr);

    QVariantMap results() const { return m_results; }
    Q_INVOKABLE void check(const QString& classroomId);

signals:
    void resultsChanged();

private:
    void store(const QString& classroomId, const QVariantMap& result);

    QVariantMap m_results;
    QMap<QString, int> m_rounds; // an older round's answers are ignored
};
