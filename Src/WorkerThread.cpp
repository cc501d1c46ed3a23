#include "WorkerThread.h"

WorkerThread::WorkerThread(const QString& name, QObject* parent)
    : QObject(parent)
    , worker(new QObject)
{
    thread.setObjectName(name);
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start(QThread::LowPriority);
}

WorkerThread::~WorkerThread()
{
    thread.quit();
    thread.wait();
}
