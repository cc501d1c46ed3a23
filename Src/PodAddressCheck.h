#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class HttpRequest;

// Checks a pod address as it is typed: its form at once, and whether a pod answers there once
// typing pauses. A well-formed address that nobody answers may still be saved.
class PodAddressCheck : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString address READ address WRITE setAddress NOTIFY addressChanged)
    Q_PROPERTY(QString problem READ problem NOTIFY addressChanged)
    Q_PROPERTY(bool isWellFormed READ isWellFormed NOTIFY addressChanged)
    Q_PROPERTY(bool isAnswering READ isAnswering NOTIFY isAnsweringChanged)
    Q_PROPERTY(bool isChecking READ isChecking NOTIFY isCheckingChanged)
public:
    static constexpr int typingPauseMs = 600;

    explicit PodAddressCheck(QObject* parent = nullptr);

    // What is wrong with the form of `address`; empty when it is a host name, an IPv4 address or a
    // bracketed IPv6 address with an optional port, and for an empty address.
    static QString formatProblem(const QString& address);
    // `address` fit for the log: any user name and password before an @ cut off, control
    // characters shown as ?.
    static QString loggable(const QString& address);

    QString address() const { return m_address; }
    void setAddress(const QString& address);
    QString problem() const { return m_problem; }
    bool isWellFormed() const { return !m_address.isEmpty() && m_problem.isEmpty(); }
    bool isAnswering() const { return m_isAnswering; }
    bool isChecking() const { return m_isChecking; }

signals:
    void addressChanged();
    void isAnsweringChanged();
    void isCheckingChanged();

private:
    void askPod();
    void setAnswering(bool answering);
    void setChecking(bool checking);

    QString m_address;
    QString m_problem;
    bool m_isAnswering = false;
    bool m_isChecking = false;
    QTimer m_typingPause;
    QPointer<HttpRequest> m_pending;
};
