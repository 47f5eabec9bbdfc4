#include "ui/windows/frmsplash.h"

#include "ui/platform/handler.h"
#include "ui/windows/identity.h"
#include "ui/windows/layout.h"
#include "ui/windows/timer1.h"

#include <QTimer>

namespace ui {

namespace {

using Kind = Control::Kind;

constexpr int showBoardAfterMs = 3000;

// clang-format off
constexpr Control storedLayout[] = {
    { .name = "Frame1", .kind = Kind::Frame, .inside = nullptr, .left = 120, .top = 30,
        .width = 5160, .height = 3530, .background = cream },
    { .name = "Frame2", .kind = Kind::Frame, .inside = "Frame1", .left = 140, .top = 140,
        .width = 2580, .height = 2700, .background = cream },
    { .name = "Picture2", .kind = Kind::Picture, .inside = "Frame2", .left = 140, .top = 220,
        .width = 2310, .height = 2330, .border = Border::Sunken,
        .picture = ":/tablero.gif" },
    { .name = "Frame3", .kind = Kind::Frame, .inside = "Frame1", .left = 140, .top = 2880,
        .width = 2055, .height = 495, .background = cream },
    { .name = "lblCompany", .kind = Kind::Label, .inside = "Frame3", .left = 340, .top = 165,
        .width = 1455, .height = 255, .text = "Tornel Software", .font = arialBold,
        .color = 0x800000, .background = cream, .align = Qt::AlignHCenter },
    { .name = "Frame4", .kind = Kind::Frame, .inside = "Frame1", .left = 2300, .top = 2880,
        .width = 2740, .height = 495, .background = cream },
    { .name = "Label3", .kind = Kind::Label, .inside = "Frame4", .left = 340, .top = 160,
        .width = 1935, .height = 255, .text = identity::makerSite, .font = sansSerifBold,
        .color = 0x800000, .align = Qt::AlignRight },
    { .name = "Picture1", .kind = Kind::Picture, .inside = "Frame1", .left = 2880, .top = 960,
        .width = 2160, .height = 495, .background = cream, .picture = ":/logotipo.gif" },
    { .name = "lblCompanyProduct", .kind = Kind::Label, .inside = "Frame1", .left = 4080,
        .top = 360, .width = 510, .height = 210, .text = "Juego", .font = arialBold,
        .color = 0x800000, .background = cream, .fitWidth = true },
    { .name = "Label1", .kind = Kind::Label, .inside = "Frame1", .left = 4680, .top = 360,
        .width = 375, .height = 255, .text = "de", .font = arialBold, .color = 0x800000 },
    { .name = "Label2", .kind = Kind::Label, .inside = "Frame1", .left = 4260, .top = 600,
        .width = 735, .height = 255, .text = "Tablero", .font = arialBold, .color = 0x800000 },
    { .name = "lblVersion", .kind = Kind::Label, .inside = "Frame1", .left = 4065, .top = 1440,
        .width = 840, .height = 210, .text = "Versión 1.0", .font = arial, .color = 0xC00000,
        .background = cream, .align = Qt::AlignRight, .fitWidth = true },
    { .name = "lblCopyright", .kind = Kind::Label, .inside = "Frame1", .left = 3960, .top = 1920,
        .width = 975, .height = 255, .text = "01/01/2002", .font = arial, .background = cream,
        .align = Qt::AlignRight },
    { .name = "lblPlatform", .kind = Kind::Label, .inside = "Frame1", .left = 3300, .top = 2520,
        .width = 1605, .height = 210, .text = "W95, 98, Millennium", .font = arialBold,
        .color = 0xFF0000, .background = cream, .align = Qt::AlignRight, .fitWidth = true },
};
// clang-format on

} // namespace

FrmSplash::FrmSplash()
    : BorderedWindow({"frmSplash", 5385, 3660, Border::Flat, Qt::SplashScreen}, storedLayout)
    , m_timer(makeTimer1(this, showBoardAfterMs))
{
    connect(m_timer, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
    m_timer->start();
}

void FrmSplash::Timer1_Timer()
{
    runHandler(QStringLiteral("Timer1_Timer"), [this] { emit timedOut(); });
}

} // namespace ui
