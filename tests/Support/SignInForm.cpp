#include "SignInForm.h"

#include "Globals.h"
#include "StateManager.h"
#include "WindowDriver.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

namespace {

// A text of the sign-in screen in the interface's language.
QString loginText(const char* english)
{
    return QCoreApplication::translate("LoginScreen", english);
}

} // namespace

SignInForm::SignInForm(WindowDriver& ui)
    : ui(ui)
{
}

bool SignInForm::findFields()
{
    if (!ui.waitForText(loginText("Sign In")) || !ui.click(ui.waitForText(loginText("Email"))))
        return false;
    email = ui.window()->activeFocusItem();
    if (!ui.click(ui.waitForText(loginText("Password"))))
        return false;
    password = ui.window()->activeFocusItem();
    return email && password && email != password;
}

bool SignInForm::signIn(const QString& emailText, const QString& passwordText, const QString& homeText)
{
    QSignalSpy succeeded(Globals::getInstance().stateManager(), &StateManager::loginSuccess);
    return ui.waitForText(loginText("Sign In")) && ui.fillField(email, emailText)
        && ui.fillField(password, passwordText) && ui.click(ui.waitForText(loginText("Login")))
        && QTest::qWaitFor([&] { return !succeeded.isEmpty(); }, answerTimeoutMs)
        && ui.waitForText(homeText, WindowDriver::Match::Exact, answerTimeoutMs);
}
