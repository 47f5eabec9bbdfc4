#include "ui/app/errormessage.h"

#include "ui/platform/handler.h"
#include "ui/platform/translation.h"
#include "ui/widgets/titlebar.h"

#include <QMessageBox>

namespace ui {

void showErrorMessage(const QString &handler, const QString &message)
{
    writeErrorLine(handler, message);
    loadSpanishQtTexts();
    // A message that says what failed on its first line shows it as the headline, the rest below.
    const qsizetype lineEnd = message.indexOf(QLatin1Char('\n'));
    const QString headline =
        lineEnd < 0 ? QStringLiteral("No se pudo completar la acción.") : message.left(lineEnd);
    const QString details = lineEnd < 0 ? message : message.mid(lineEnd + 1);
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Deslizador"), headline,
                                QMessageBox::Ok);
    box->setInformativeText(details + QStringLiteral("\n\nEl juego sigue."));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("errorMessage"));
    // A message box is application modal unless told otherwise before it is shown. This one is
    // not: no nested event loop starts inside a handler, and the game goes on at once.
    box->setWindowModality(Qt::NonModal);
    TitleBar::fit(box);
    box->show();
}

} // namespace ui
