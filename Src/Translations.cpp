#include "Translations.h"

#include "Logger.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Installs the catalogue `name` for `locale` from `directory`; false when there is none.
bool installCatalogue(const QLocale& locale, const QString& name, const QString& directory)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), directory)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void Translations::install(const QString& code)
{
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    const bool translated
        = installCatalogue(locale, QStringLiteral("trellion"), QStringLiteral(":/translations"));
    // Qt's own texts (the text fields' context menu, for one) follow when Qt ships that language.
    if (translated)
        installCatalogue(
            locale, QStringLiteral("qtbase"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    LOG_INFO("Interface language: asked=[{}] locale=[{}] translated=[{}]", code, locale.name(), translated);
}
