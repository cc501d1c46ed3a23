#pragma once

#include <QMap>
#include <QObject>

class ClassroomLayoutModel;
class TeamBlock;

// The account's library of classroom layouts, mirrored from the cloud service.
class ClassroomLayoutManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(TeamBlock* stagingTeamBlock READ stagingTeamBlock CONSTANT)
    Q_PROPERTY(QList<QObject*> classrooms READ classroomsModel NOTIFY classroomsChanged)
public:
    explicit ClassroomLayoutManager(QObject* parent = nullptr);

    TeamBlock* stagingTeamBlock() const { return m_stagingTeamBlock; }
    QList<QObject*> classroomsModel() const;
    void clearClassroomsList();

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

private:
    enum class Origin { Created, Duplicated };
    void postClassroom(const QJsonObject& document, Origin origin);
    // Stores a parsed classroom, replacing any earlier one of the same id; null when unreadable.
    ClassroomLayoutModel* store(const QJsonObject& document);

    QMap<QString, ClassroomLayoutModel*> library;
    int clearCount = 0; // a download answered after the library was cleared again is stale
    TeamBlock* m_stagingTeamBlock;
};
