#include "ui/windows/form2.h"

#include "logic/numbers.h"
#include "ui/platform/handler.h"
#include "ui/widgets/frame.h"
#include "ui/windows/accessible.h"
#include "ui/windows/layout.h"
#include "ui/windows/timer1.h"

#include <QLabel>
#include <QTimer>

namespace ui {

namespace {

using Kind = Control::Kind;

constexpr QRgb background = 0xF1E2BE;
constexpr int closeAfterMs = 5000;

// clang-format off
constexpr Control storedLayout[] = {
    { .name = "Frame1", .kind = Kind::Frame, .inside = nullptr, .left = 90, .top = 20,
        .width = 2895, .height = 2055, .text = "  Felicitaciones  ",
        .font = sansSerifBold, .color = 0xC00000, .background = background },
    { .name = "Picture1", .kind = Kind::Picture, .inside = "Frame1", .left = 1060, .top = 400,
        .width = 855, .height = 640, .border = Border::Flat, .picture = ":/sonrisa.gif" },
    { .name = "Label1", .kind = Kind::Label, .inside = "Frame1", .left = 320, .top = 1240,
        .width = 2295, .height = 375, .text = "¡¡¡   Lo lograste   !!!",
        .font = {"Arial", 12, true}, .color = 0xFF0000, .align = Qt::AlignHCenter },
    { .name = "Label2", .kind = Kind::Label, .inside = "Frame1", .left = 440, .top = 1620,
        .width = 2055, .height = 255, .font = arialBold, .color = 0xC00000,
        .align = Qt::AlignHCenter },
};
// clang-format on

} // namespace

Form2::Form2(const std::string &counter)
    : BorderedWindow({"Form2", 3060, 2145, Border::Raised, Qt::Tool, background}, storedLayout)
    , m_label2(controls().at<QLabel>("Label2"))
    // A screen reader hears the heading and the line as the eye reads them, blanks collapsed.
    , m_heading(controls().at<Frame>("Frame1")->caption().simplified())
    , m_line(controls().at<QLabel>("Label1")->text().simplified())
    , m_timer(makeTimer1(this, closeAfterMs))
{
    // Its name says it all; the line, named as it is heard there, is not read a second time.
    controls().at<QLabel>("Label1")->setAccessibleName(m_line);
    // It tells and asks nothing: the focus stays where the player is, on the board.
    setAttribute(Qt::WA_ShowWithoutActivating);

    connect(m_timer, &QTimer::timeout, this, &Form2::Timer1_Timer);

    runHandler(QStringLiteral("Form_Load"), [&] { Form_Load(counter); });
    m_timer->start();
}

void Form2::Form_Load(const std::string &counter)
{
    m_label2->setText(QString::fromStdString(logic::countLine(counter)));
    setAccessibleName(QStringLiteral("%1. %2 %3").arg(m_heading, m_line, m_label2->text()));
}

void Form2::showEvent(QShowEvent *event)
{
    BorderedWindow::showEvent(event);
    announce(this);
}

void Form2::Timer1_Timer()
{
    runHandler(QStringLiteral("Timer1_Timer"), [this] { emit timedOut(); });
}

} // namespace ui
