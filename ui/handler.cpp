#include "ui/handler.h"

#include "ui/translation.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace {

void showMessageBox(const QString &handler, const QString &message)
{
    loadSpanishQtTexts();
    // Not modal, so no nested event loop starts inside a handler: the game goes on at once.
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Deslizador"),
                                QStringLiteral("No se pudo completar la acción (%1).").arg(handler),
                                QMessageBox::Ok);
    box->setInformativeText(message + QStringLiteral("\n\nEl juego sigue."));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("errorMessage"));
    box->show();
}

ErrorReporter &reporter()
{
    static ErrorReporter current = showMessageBox;
    return current;
}

} // namespace

void setErrorReporter(ErrorReporter next)
{
    reporter() = next ? std::move(next) : showMessageBox;
}

void reportError(const QString &handler, const QString &message)
{
    reporter()(handler, message);
}

} // namespace ui
