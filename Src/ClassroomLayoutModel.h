#pragma once

#include "ClassroomPrimaryDisplay.h"

#include <QJsonObject>
#include <QObject>

class LayoutIcon;
class TeamBlock;

// One classroom: its descriptive data and settings, the team blocks, the room's
// furniture, at most one primary display, and which pods are audio sources.
// Blocks are addressed by index: 0..n-1 the team blocks in order, -1 the primary display.
class ClassroomLayoutModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString classroomName READ classroomName WRITE setClassroomName NOTIFY classroomNameChanged)
    Q_PROPERTY(
        QString classroomNumber READ classroomNumber WRITE setClassroomNumber NOTIFY classroomNumberChanged)
    Q_PROPERTY(QString classroomBuilding READ classroomBuilding WRITE setClassroomBuilding NOTIFY
            classroomBuildingChanged)
    Q_PROPERTY(QString classroomType READ classroomType WRITE setClassroomType NOTIFY classroomTypeChanged)
    Q_PROPERTY(QList<QObject*> teamBlocks READ teamBlocksModel NOTIFY teamBlocksChanged)
    Q_PROPERTY(QList<QObject*> furniture READ furnitureModel NOTIFY furnitureChanged)
    Q_PROPERTY(double classroomScale READ classroomScale WRITE setClassroomScale NOTIFY classroomScaleChanged)
    Q_PROPERTY(QString classroomId READ classroomId WRITE setClassroomId NOTIFY classroomIdChanged)
    Q_PROPERTY(ClassroomPrimaryDisplay* primaryDisplay READ primaryDisplay NOTIFY primaryDisplayChanged)
    // Empty, or why this stored room is listed but cannot be opened.
    Q_PROPERTY(QString loadProblem READ loadProblem CONSTANT)
public:
    explicit ClassroomLayoutModel(QObject* parent = nullptr);

    QString classroomName() const { return m_classroomName; }
    void setClassroomName(const QString& name);
    QString classroomNumber() const { return m_classroomNumber; }
    void setClassroomNumber(const QString& number);
    QString classroomBuilding() const { return m_classroomBuilding; }
    void setClassroomBuilding(const QString& building);
    QString classroomType() const { return m_classroomType; }
    void setClassroomType(const QString& type);
    double classroomScale() const { return m_classroomScale; }
    void setClassroomScale(double scale);
    QString classroomId() const { return m_classroomId; }
    void setClassroomId(const QString& id);
    ClassroomPrimaryDisplay* primaryDisplay() const { return m_primaryDisplay; }
    const QList<TeamBlock*>& teamBlocks() const { return m_teamBlocks; }
    QList<QObject*> teamBlocksModel() const;
    const QList<LayoutIcon*>& furniture() const { return m_furniture; }
    QList<QObject*> furnitureModel() const;
    QString loadProblem() const { return m_loadProblem; }
    bool isOpenable() const { return m_loadProblem.isEmpty(); }
    // The service gave the room a string id, so a save can update it. A room without one is
    // listed under a local id of its own and never saved over another.
    bool hasStoredId() const { return m_hasStoredId; }

    Q_INVOKABLE bool isPasswordRequiredOnExit() const { return m_passwordRequiredOnExit; }
    Q_INVOKABLE void setPasswordRequiredOnExit(bool required, bool fromSettings);
    Q_INVOKABLE bool isShowRoutingBanners() const { return m_showRoutingBanners; }
    Q_INVOKABLE void setShowRoutingBanners(bool show, bool fromSettings);

    Q_INVOKABLE RoutableBlock* routableBlock(int index) const;
    Q_INVOKABLE int addTeamBlock(double xPosition, double yPosition, const QString& displayIcon);
    Q_INVOKABLE void removeTeamBlockAt(int teamBlockIndex);
    Q_INVOKABLE void duplicateTeamBlock(int originalBlockIndex);
    Q_INVOKABLE void addFurniture(double iconX, double iconY, const QString& iconName, double iconScale);
    Q_INVOKABLE void removeFurnitureAt(int iconIndex);
    Q_INVOKABLE void setAudioSource(int blockIndex, bool isEnabled);
    Q_INVOKABLE void addPrimaryDisplay(double displayX, double displayY);
    Q_INVOKABLE void removePrimaryDisplay();
    Q_INVOKABLE bool hasPrimaryDisplay() const { return m_primaryDisplay != nullptr; }

    void addFurniturePtr(LayoutIcon* icon);
    void addPrimaryDisplayObject(ClassroomPrimaryDisplay* display);

    // Audio sources are stored as the comma-separated pod addresses of the flagged blocks.
    int countAudioSources() const;
    void encodeAudioSources();
    void decodeAudioSources();
    void handleLegacySource(const QString& text);

    // Written over the document it was read from, so keys we do not know survive a save; a room
    // that was not opened is written back as it came.
    QJsonObject toJson();
    // A new model owned by `parent`, or null for a document without an "id". Every number is
    // brought into the range the screens can show (Layout.h); a room beyond the limits keeps only
    // its card's texts and a `loadProblem`.
    // The caller restores the audio-source flags with decodeAudioSources().
    static ClassroomLayoutModel* fromJson(const QJsonObject& object, QObject* parent);
    // Why a room document holds more than a room may, or empty.
    static QString sizeProblem(const QJsonObject& object);

signals:
    void classroomNameChanged();
    void classroomNumberChanged();
    void classroomBuildingChanged();
    void classroomTypeChanged();
    void teamBlocksChanged();
    void furnitureChanged();
    void classroomScaleChanged();
    void classroomIdChanged();
    void primaryDisplayChanged();

private:
    RoutableBlock* findBlock(int index) const;
    void readFurniture(const QJsonArray& entries);

    QString m_classroomName;
    QString m_classroomNumber;
    QString m_classroomBuilding;
    QString m_classroomType;
    // A document without a scale reads as 1.0; an empty model starts there too.
    double m_classroomScale = 1.0;
    QString m_classroomId;
    QString m_audioSources;
    bool m_passwordRequiredOnExit = false;
    bool m_showRoutingBanners = true;
    QList<TeamBlock*> m_teamBlocks;
    QList<LayoutIcon*> m_furniture;
    ClassroomPrimaryDisplay* m_primaryDisplay = nullptr;
    QJsonObject m_stored;
    QString m_loadProblem;
    bool m_hasStoredId = true;
};
