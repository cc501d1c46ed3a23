.pragma library

// What the login form says before anything is sent: "" when both fields are filled in.
function validationError(email, password) {
    var missingEmail = email.length === 0
    var missingPassword = password.length === 0
    if (missingEmail && missingPassword)
        return qsTranslate("LoginLogic", "Enter Email and Password")
    if (missingEmail)
        return qsTranslate("LoginLogic", "Enter Email")
    if (missingPassword)
        return qsTranslate("LoginLogic", "Enter Password")
    return ""
}
