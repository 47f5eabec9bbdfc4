#include "ui/widgets/linkpicture.h"

#include "ui/platform/browser.h"
#include "ui/platform/handler.h"
#include "ui/widgets/handcursor.h"

namespace ui {

LinkPicture::LinkPicture(QPixmap picture, Border border, QColor background, const QString &name,
                         QString address, QWidget *parent)
    : PictureBox(std::move(picture), border, background, parent)
    , m_address(std::move(address))
{
    setCursor(handCursor());
    // Reached by Tab, as a link is; a click still gives it no focus.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(name);
    setAccessibleDescription(m_address);
    connect(this, &PictureBox::clicked, this, &LinkPicture::open);
}

void LinkPicture::open()
{
    const QString handler = objectName() + QStringLiteral("_Click");
    runHandler(handler, [&] { openWebPage(handler, m_address); });
}

} // namespace ui
