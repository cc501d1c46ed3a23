#pragma once

#include <QObject>
#include <QPointer>

class ClassroomLayoutModel;

// Opens one classroom of the library for editing and saves it back to the cloud service.
class LayoutEditingSession : public QObject {
    Q_OBJECT
    Q_PROPERTY(ClassroomLayoutModel* layout READ currentLayout NOTIFY classroomLayoutChanged)
    // The block or piece of furniture the keys act on; null for none.
    Q_PROPERTY(QObject* selection READ selection NOTIFY selectionChanged)
public:
    explicit LayoutEditingSession(QObject* parent = nullptr);

    ClassroomLayoutModel* currentLayout() const;
    bool isSessionActive() const { return layout != nullptr; }

    Q_INVOKABLE void startSession(const QString& newClassroomId);
    Q_INVOKABLE void endSession();
    Q_INVOKABLE void save();

    QObject* selection() const { return m_selection; }
    Q_INVOKABLE void select(QObject* item);
    // Arrows move the selection one design-grid step (with Shift ten), Delete removes it. False for
    // keys that mean nothing here (a Qt::Key and Qt::KeyboardModifiers).
    Q_INVOKABLE bool keyPressed(int key, int modifiers);

signals:
    void classroomLayoutChanged();
    void layoutSaveSuccess();
    void layoutSaveFailure();
    // Nothing was sent: `reason` says why this room cannot be saved.
    void layoutSaveRefused(const QString& reason);
    void selectionChanged();

private:
    void moveSelection(double dx, double dy);
    void removeSelection();

    QPointer<ClassroomLayoutModel> layout; // borrowed from the library, which may drop it
    ClassroomLayoutModel* placeholderLayout;
    QPointer<QObject> m_selection; // removed items go, and the pointer with them
};
