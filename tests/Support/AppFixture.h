#pragma once

#include "SimulatorFixture.h"

#include <QString>

// The whole app, started as it starts for a user, against a simulator on loopback.
// One per test program: the app's context is process-wide.
class AppFixture {
public:
    explicit AppFixture(QStringList simulatorArguments = {});

    // Starts the simulator, points the deployment at it and initialises the app.
    bool start();
    QString errorString() const { return simulator.errorString(); }

    // Each waits for the outcome and returns whether it succeeded.
    bool signIn(const QString& email, const QString& password, bool remember = false);
    bool signInAsEditor() { return signIn(editorEmail, editorPassword); }
    bool signInAsViewer() { return signIn(viewerEmail, viewerPassword); }
    void signOut();
    bool refreshLibrary();
    // Creates a classroom in the cloud service from `document` and returns its new id.
    QString createClassroom(const QJsonObject& document);
    // Creates a classroom of `tables` tables on the simulator's first pods, in rows of ten, and a
    // front display "Front" on the next pod, refreshes the library and returns the new id.
    QString createFleet(const QString& name, int tables);
    // The rooms as the cloud service stores them, read apart from the app with an editor's token.
    QJsonArray storedRooms() const;

    SimulatorFixture simulator;

    static inline const QString editorEmail = QStringLiteral("editor@trellion.example");
    static inline const QString editorPassword = QStringLiteral("editor-pass");
    static inline const QString viewerEmail = QStringLiteral("viewer@trellion.example");
    static inline const QString viewerPassword = QStringLiteral("viewer-pass");
};
