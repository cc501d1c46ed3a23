#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QObject>

class ClassroomLayoutModel;
class TeamBlock;

// The account's library of classroom layouts, mirrored from the cloud service.
class ClassroomLayoutManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(TeamBlock* stagingTeamBlock READ stagingTeamBlock CONSTANT)
    Q_PROPERTY(QList<QObject*> classrooms READ classroomsModel NOTIFY classroomsChanged)
    // What the last failed download should tell the user; empty when it was the network's fault.
    Q_PROPERTY(QString failureText READ failureText NOTIFY failureTextChanged)
public:
    explicit ClassroomLayoutManager(QObject* parent = nullptr);

    TeamBlock* stagingTeamBlock() const { return m_stagingTeamBlock; }
    QList<QObject*> classroomsModel() const;
    QString failureText() const { return m_failureText; }
    void clearClassroomsList();
    // Adds the rooms of a list reply to the library, announcing success once all are in; false,
    // adding nothing, when the reply is not a JSON array of objects, which is a broken reply
    // rather than an empty library.
    bool readClassroomList(const QJsonDocument& document);

    Q_INVOKABLE void refreshClassroomList();
    Q_INVOKABLE ClassroomLayoutModel* classroomLayout(const QString& classroomId) const;
    // The id of the one classroom whose id or exact name is `idOrName`; empty, with a warning,
    // when none or several match.
    Q_INVOKABLE QString findClassroom(const QString& idOrName) const;
    Q_INVOKABLE void createClassroom(const QString& classroomName, const QString& classroomBuilding,
        const QString& classroomNumber, const QString& classroomType);
    Q_INVOKABLE void duplicateClassroom(const QString& classroomId);
    Q_INVOKABLE void deleteClassroomLayout(const QString& classroomId);

signals:
    void classroomsChanged();
    void newRoomCreated(QString newClassroomId);
    void roomUpdated();
    void orbethRequestSuccess();
    void orbethRequestFailure();
    void failureTextChanged();

private:
    enum class Origin { Created, Duplicated };
    void postClassroom(const QJsonObject& document, Origin origin);
    // Stores a parsed classroom, replacing any earlier one of the same id; null when unreadable.
    ClassroomLayoutModel* store(const QJsonObject& document);
    void setFailureText(const QString& text);
    void storeRooms(const QJsonArray& rooms, int from, int cleared);

    QMap<QString, ClassroomLayoutModel*> library;
    int clearCount = 0; // a download answered after the library was cleared again is stale
    TeamBlock* m_stagingTeamBlock;
    QString m_failureText;
};
