#pragma once

#include <QWidget>

namespace ui {

// A top-level window with no title bar that draws its own thin border around a client area of
// a fixed size, so that it looks the same under every window manager.
class BorderedWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Border { Single, Dialog };

    BorderedWindow(QSize clientPixels, Border border, QColor background, Qt::WindowFlags flags);

    // Controls go here; their positions are relative to its top-left corner.
    QWidget *client() const { return m_client; }

protected:
    void paintEvent(QPaintEvent *event) override;
    // Neither the splash nor the congratulations can be dismissed; their timers unload them.
    void closeEvent(QCloseEvent *event) override;

private:
    Border m_border;
    QWidget *m_client;
};

} // namespace ui
