#pragma once

#include <QObject>
#include <QThread>
#include <functional>

// Runs jobs off the GUI thread, one after another, and hands each result back on the thread that
// owns this object. Destroying it waits for the job under way and drops the results not yet handed back.
class WorkerThread : public QObject {
    Q_OBJECT
public:
    explicit WorkerThread(const QString& name, QObject* parent = nullptr);
    ~WorkerThread() override;

    template <typename Result>
    void run(std::function<Result()> work, std::function<void(const Result&)> done)
    {
        QMetaObject::invokeMethod(worker, [this, work = std::move(work), done = std::move(done)] {
            const Result result = work();
            QMetaObject::invokeMethod(this, [done, result] { done(result); });
        });
    }

private:
    QThread thread;
    QObject* worker; // lives on `thread`
};
