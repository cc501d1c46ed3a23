#include "SignInForm.h"

#include "Globals.h"
#include "StateManager.h"
#include "WindowDriver.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

SignInForm::SignInForm(WindowDriver& ui)
    : ui(ui)
{
}

bool SignInForm::findFields()
{
    if (!ui.waitForText("Sign In") || !ui.click(ui.waitForText("Email")))
        return false;
    email = ui.window()->activeFocusItem();
    if (!ui.click(ui.waitForText("Password")))
        return false;
    password = ui.window()->activeFocusItem();
    return email && password && email != password;
}

bool SignInForm::signIn(const QString& emailText, const QString& passwordText, const QString& homeText)
{
    QSignalSpy succeeded(Globals::getInstance().stateManager(), &StateManager::loginSuccess);
    return ui.waitForText("Sign In") && ui.fillField(email, emailText) && ui.fillField(password, passwordText)
        && ui.click(ui.waitForText("Login"))
        && QTest::qWaitFor([&] { return !succeeded.isEmpty(); }, answerTimeoutMs)
        && ui.waitForText(homeText, WindowDriver::Match::Exact, answerTimeoutMs);
}
