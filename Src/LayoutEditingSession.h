#pragma once

#include <QObject>
#include <QPointer>

class ClassroomLayoutModel;

// Opens one classroom of the library for editing and saves it back to the cloud service.
class LayoutEditingSession : public QObject {
    Q_OBJECT
    Q_PROPERTY(ClassroomLayoutModel* layout READ currentLayout NOTIFY classroomLayoutChanged)
public:
    explicit LayoutEditingSession(QObject* parent = nullptr);

    ClassroomLayoutModel* currentLayout() const;
    bool isSessionActive() const { return layout != nullptr; }

    Q_INVOKABLE void startSession(const QString& newClassroomId);
    Q_INVOKABLE void endSession();
    Q_INVOKABLE void save();

signals:
    void classroomLayoutChanged();
    void layoutSaveSuccess();
    void layoutSaveFailure();

private:
    QPointer<ClassroomLayoutModel> layout; // borrowed from the library, which may drop it
    ClassroomLayoutModel* placeholderLayout;
};
