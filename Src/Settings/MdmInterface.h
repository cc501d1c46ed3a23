#pragma once

#include <QObject>

// The administrator's say over the three behaviour switches and the station's own room. This
// base source enforces nothing; a platform source sets the flags and emits the signals.
class MdmInterface : public QObject {
    Q_OBJECT
public:
    explicit MdmInterface(QObject* parent);

public slots:
    virtual bool GetEnforcedPasswordForLogout() const { return enforcedPasswordForLogout; }
    virtual bool GetRequiresPasswordForLogout() const { return requiresPasswordForLogout; }
    virtual bool GetEnforcedFrameForwarding() const { return enforcedFrameForwarding; }
    virtual bool GetRequiresFrameForwarding() const { return requiresFrameForwarding; }
    virtual bool GetEnforcedFullscreenOnPrimary() const { return enforcedFullscreenOnPrimary; }
    virtual bool GetRequiresFullscreenOnPrimary() const { return requiresFullscreenOnPrimary; }
    // The room opened after sign-in, by id or exact name; empty for the library.
    virtual QString GetDefaultClassroom() const { return defaultClassroom; }

signals:
    // Emitted once both flags of the switch hold their new values.
    void PasswordForLogoutChanged();
    void FrameForwardingChanged();
    void FullscreenOnPrimaryChanged();

protected:
    // A required flag means something only while its enforced flag is set.
    bool enforcedPasswordForLogout = false;
    bool requiresPasswordForLogout = false;
    bool enforcedFrameForwarding = false;
    bool requiresFrameForwarding = false;
    bool enforcedFullscreenOnPrimary = false;
    bool requiresFullscreenOnPrimary = false;
    QString defaultClassroom;
};

// The source this platform offers; the parent owns it.
MdmInterface* CreateMdmInterface(QObject* parent);
