#include "tests/support/ui.h"

#include "ui/platform/fonts.h"

#include <QMouseEvent>

namespace testsupport {

void doubleClick(QWidget *widget)
{
    const QPointF at = widget->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, {});
        QApplication::sendEvent(widget, &event);
    }
}

} // namespace testsupport

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication application(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        ui::installFontSubstitutions();
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return result; // LeakSanitizer, in a sanitizer build, checks the process after this
}
