#pragma once

#include <QString>

// The interface's language: the app's catalogue and Qt's own for one language, installed before
// the interface loads, so that every text it shows comes translated. English needs no catalogue.
class Translations {
public:
    // `code` is a language such as "de" or "es_MX"; empty means the system's language.
    static void install(const QString& code);
};
