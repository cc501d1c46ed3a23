#include "AccessibilityCheck.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QUrl>

namespace {

QStringList& recordedAlerts()
{
    static QStringList alerts;
    return alerts;
}

void recordUpdate(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::Alert)
        return;
    if (QAccessibleInterface* alerting = event->accessibleInterface())
        recordedAlerts() << alerting->text(QAccessible::Name);
}

bool isControlRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::Dial:
    case QAccessible::Link:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

bool isOperable(QAccessibleInterface* node)
{
    if (isControlRole(node->role()) || node->role() == QAccessible::Dialog || node->state().focusable)
        return true;
    if (QAccessibleActionInterface* actions = node->actionInterface()) {
        const QStringList names = actions->actionNames();
        return names.contains(QAccessibleActionInterface::pressAction())
            || names.contains(QAccessibleActionInterface::toggleAction());
    }
    return false;
}

// "Button 'confirmButton' (ButtonBase_QMLTYPE_3, ConfirmDialog.qml) at 410,520 120x40"
QString describe(QAccessible::Role role, const QObject* object, const QRect& rect)
{
    const char* roleName = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    QString text = QString::fromLatin1(roleName ? roleName : "NoRole");
    if (object) {
        if (!object->objectName().isEmpty())
            text += " '" + object->objectName() + "'";
        text += QString(" (%1").arg(QString::fromLatin1(object->metaObject()->className()));
        if (const QQmlContext* context = qmlContext(object))
            text += ", " + context->baseUrl().fileName();
        text += ")";
    }
    return text + QString(" at %1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

QString describe(QAccessibleInterface* node)
{
    return describe(node->role(), node->object(), node->rect());
}

// The same for an item, placed on the screen as the accessibility interfaces place theirs.
QString describe(QQuickItem* item)
{
    const QAccessibleInterface* node = QAccessible::queryAccessibleInterface(item);
    const QRectF inScene = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    const QRect onScreen(item->window()->mapToGlobal(inScene.topLeft().toPoint()), inScene.size().toSize());
    return describe(node ? node->role() : QAccessible::NoRole, item, onScreen);
}

// Qt Quick withholds the name of a password field; readers speak its description, which a text
// field fills from its placeholder.
QString spokenName(QAccessibleInterface* node)
{
    return node->text(node->state().passwordEdit ? QAccessible::Description : QAccessible::Name);
}

void collectUnnamed(QAccessibleInterface* node, QStringList& problems)
{
    if (node->state().invisible)
        return;
    if (isOperable(node) && spokenName(node).trimmed().isEmpty())
        problems << "no name: " + describe(node);
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i))
            collectUnnamed(child, problems);
    }
}

// A mouse area under a pointing hand promises a click; it or an item around it must offer that
// click to a screen reader as a control, or the reader never learns it is there.
void collectUnreachable(QQuickItem* item, QStringList& problems)
{
    if (!item->isVisible())
        return;
    if (item->inherits("QQuickMouseArea") && item->isEnabled()
        && item->cursor().shape() == Qt::PointingHandCursor) {
        const auto isControl = [](QQuickItem* candidate) {
            const QAccessibleInterface* node = QAccessible::queryAccessibleInterface(candidate);
            return node && isControlRole(node->role());
        };
        QQuickItem* around = item;
        while (around && !isControl(around))
            around = around->parentItem();
        if (!around)
            problems << "not a control: " + describe(item);
    }
    for (QQuickItem* child : item->childItems())
        collectUnreachable(child, problems);
}

} // namespace

namespace AccessibilityCheck {

void recordAlerts()
{
    static const bool installed = [] {
        QAccessible::installUpdateHandler(recordUpdate);
        return true;
    }();
    Q_UNUSED(installed)
}

QStringList silentControls(QQuickWindow* window)
{
    // Without an assistive technology listening, controls never fill in their roles and names.
    if (!QAccessible::isActive())
        return { "accessibility is not active in this process" };
    QAccessibleInterface* root = window ? QAccessible::queryAccessibleInterface(window) : nullptr;
    if (!root)
        return { "no accessible window" };
    QStringList problems;
    collectUnnamed(root, problems);
    collectUnreachable(window->contentItem(), problems);
    return problems;
}

bool everyControlAnnounced(QQuickWindow* window)
{
    const QStringList problems = silentControls(window);
    for (const QString& problem : problems)
        qWarning("A screen reader misses a control, %s", qPrintable(problem));
    return problems.isEmpty();
}

QString nameOf(QObject* object)
{
    QAccessibleInterface* node = object ? QAccessible::queryAccessibleInterface(object) : nullptr;
    return node ? node->text(QAccessible::Name) : QString();
}

QStringList alerts()
{
    return recordedAlerts();
}

} // namespace AccessibilityCheck
