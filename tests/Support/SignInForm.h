#pragma once

#include <QPointer>
#include <QString>

class QQuickItem;
class WindowDriver;

// The real window's sign-in form, driven as a user does: its two fields are found once by
// clicking into them, then filled and sent with the Login button.
// Its texts are read in the interface's language.
class SignInForm {
public:
    explicit SignInForm(WindowDriver& ui);

    // Clicks into both fields to learn which items they are; false when the form is not shown.
    bool findFields();
    QQuickItem* emailField() const { return email; }
    QQuickItem* passwordField() const { return password; }

    // Signs in and waits until the home screen shows `homeText` (a classroom's name).
    bool signIn(const QString& emailText, const QString& passwordText, const QString& homeText);

    static constexpr int answerTimeoutMs = 10000;

private:
    WindowDriver& ui;
    QPointer<QQuickItem> email;
    QPointer<QQuickItem> password;
};
