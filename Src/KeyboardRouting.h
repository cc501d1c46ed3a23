#pragma once

#include <QList>
#include <QObject>

class RoutingSession;

// Routing from the keyboard: which block has the focus ring and which one was picked as the
// source. Tab walks the blocks in reading order; Enter picks and routes under the rules a drag
// follows, Shift+Enter shares to all, Delete takes routes back, Escape drops the pick, L opens the
// focused block's live view.
class KeyboardRouting : public QObject {
    Q_OBJECT
    // RoutingRules::NoBlock while there is none.
    Q_PROPERTY(int focusedBlock READ focusedBlock NOTIFY focusedBlockChanged)
    Q_PROPERTY(int pickedBlock READ pickedBlock NOTIFY pickedBlockChanged)
public:
    explicit KeyboardRouting(RoutingSession* session);

    int focusedBlock() const { return m_focusedBlock; }
    int pickedBlock() const { return m_pickedBlock; }

    // Acts on one key press (a Qt::Key and Qt::KeyboardModifiers); false when the key means
    // nothing here, so that it may travel on.
    Q_INVOKABLE bool keyPressed(int key, int modifiers);
    // Forgets focus and pick: the classroom changed.
    void reset();

signals:
    void focusedBlockChanged();
    void liveViewRequested(int block);
    void pickedBlockChanged();

private:
    // The primary display first, then the team blocks as a reader meets them.
    QList<int> tabOrder() const;
    void moveFocus(int step);
    void activate();
    void setFocusedBlock(int block);
    void setPickedBlock(int block);

    RoutingSession* session;
    int m_focusedBlock;
    int m_pickedBlock;
};
