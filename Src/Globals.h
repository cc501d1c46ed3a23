#pragma once

class ClassroomLayoutManager;
class LookinImage;
class MixpanelManager;
class NetworkManager;
class SessionStatistics;
class Settings;
class StateManager;

// The process-wide context that owns the long-lived managers.
class Globals {
public:
    static Globals& getInstance();
    ~Globals();

    void initialize();
    void shutdown();

    StateManager* stateManager() const { return m_stateManager; }
    ClassroomLayoutManager* classroomLayoutManager() const { return m_classroomLayoutManager; }
    NetworkManager* networkManager() const { return m_networkManager; }
    LookinImage* lookinImage() const { return m_lookinImage; }
    MixpanelManager* mixpanelManager() const { return m_mixpanelManager; }
    SessionStatistics* sessionStatistics() const { return m_sessionStatistics; }
    Settings* settings() const { return m_settings; }

private:
    Globals() = default;

    bool initialized = false;
    StateManager* m_stateManager = nullptr;
    ClassroomLayoutManager* m_classroomLayoutManager = nullptr;
    NetworkManager* m_networkManager = nullptr;
    LookinImage* m_lookinImage = nullptr;
    MixpanelManager* m_mixpanelManager = nullptr;
    SessionStatistics* m_sessionStatistics = nullptr;
    Settings* m_settings = nullptr;
};
