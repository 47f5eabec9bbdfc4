#include "ui/platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

void loadSpanishQtTexts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    // The Windows program carries Qt's Spanish texts inside it; elsewhere they are the system
    // Qt's, in its translations folder.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_es"), QStringLiteral(":/translations")) ||
        translator->load(QStringLiteral("qtbase_es"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace ui
