#include "MdmInterface.h"

#ifdef Q_OS_LINUX
#include "LinuxMdmInterface.h"
#endif

MdmInterface::MdmInterface(QObject* parent)
    : QObject(parent)
{
}

MdmInterface* CreateMdmInterface(QObject* parent)
{
#ifdef Q_OS_LINUX
    return new LinuxMdmInterface(LinuxMdmInterface::configuredPath(), parent);
#else
    return new MdmInterface(parent);
#endif
}
