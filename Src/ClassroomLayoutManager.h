#pragma once

#include <QObject>

class ClassroomLayoutManager : public QObject {
    Q_OBJECT
public:
    explicit ClassroomLayoutManager(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
};
