#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace ui {

// A frame: an etched rectangle with an optional caption on its top edge.
class Frame : public QWidget
{
    Q_OBJECT
public:
    Frame(const QString &caption, QColor captionColor, QColor background, QWidget *parent);

    const QString &caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_captionColor;
    QColor m_background;
};

} // namespace ui
