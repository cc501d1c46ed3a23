#include "LayoutIcon.h"

LayoutIcon::LayoutIcon(QObject* parent)
    : QObject(parent)
{
}

LayoutIcon* LayoutIcon::fromJson(const QJsonObject& object, QObject* parent, Layout::Range scaleRange)
{
    auto* icon = new LayoutIcon(parent);
    icon->m_stored = object;
    icon->setIconId(object.value("id").toString());
    icon->place(Layout::readCoordinate(object.value("x")), Layout::readCoordinate(object.value("y")),
        Layout::readRotation(object.value("rotation")), Layout::readScale(object.value("scale"), scaleRange),
        object.value("name").toString());
    return icon;
}

QJsonObject LayoutIcon::toJson() const
{
    QJsonObject stored = m_stored;
    stored.remove("id"); // the service's id of an entry is never written back
    return Layout::overStored(stored,
        {
            { "x", Layout::writeNumber(m_iconX) },
            { "y", Layout::writeNumber(m_iconY) },
            { "rotation", Layout::writeNumber(m_iconRotation) },
            { "scale", Layout::writeNumber(m_iconScale) },
            { "name", m_iconName },
        });
}

void LayoutIcon::place(double x, double y, double rotation, double scale, const QString& name)
{
    setIconX(x);
    setIconY(y);
    setIconRotation(rotation);
    setIconScale(scale);
    setIconName(name);
}

void LayoutIcon::setIconIndex(int index)
{
    if (assignIfChanged(m_iconIndex, index))
        emit iconIndexChanged();
}

void LayoutIcon::setIconName(const QString& name)
{
    Layout::set(this, m_iconName, name, &LayoutIcon::iconNameChanged);
}
void LayoutIcon::setIconX(double x)
{
    Layout::set(this, m_iconX, x, &LayoutIcon::iconXChanged);
}
void LayoutIcon::setIconY(double y)
{
    Layout::set(this, m_iconY, y, &LayoutIcon::iconYChanged);
}
void LayoutIcon::setIconRotation(double rotation)
{
    Layout::set(this, m_iconRotation, rotation, &LayoutIcon::iconRotationChanged);
}
void LayoutIcon::setIconScale(double scale)
{
    Layout::set(this, m_iconScale, scale, &LayoutIcon::iconScaleChanged);
}
