// The windows: when they load and go, what they open, and how they look as drawn.

#include "tests/support/ui.h"
#include "ui/platform/placement.h"
#include "ui/platform/windowframe.h"

#include <QFile>
#include <QFontInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <csignal>

namespace {

using namespace testsupport;

class Windows : public UiTest
{
protected:
    QSignalSpy finished {&program, &ui::Program::finished};
};

// Both shown windows go by their own precise timers (driven here through the real ones,
// shortened): the splash after 3 s, showing the board; the congratulations after 5 s. Neither
// can be closed earlier: a close request from the window system (the window manager's close,
// Alt+F4) is refused.
TEST_F(Windows, SplashAndCongratulationsGoByTheirTimers)
{
    QTimer *timer = program.showSplash().timer();
    EXPECT_EQ(std::pair(timer->interval(), timer->timerType()), std::pair(3000, Qt::PreciseTimer));
    EXPECT_FALSE(program.splashIfLoaded()->windowHandle()->close());
    ASSERT_NE(program.splashIfLoaded(), nullptr);
    EXPECT_TRUE(program.splashIfLoaded()->isVisible());
    EXPECT_EQ(program.form1IfLoaded(), nullptr);
    timer->start(0);
    ASSERT_TRUE(waitUntil([&] { return program.splashIfLoaded() == nullptr; }));
    ASSERT_NE(program.form1IfLoaded(), nullptr);
    EXPECT_TRUE(program.form1IfLoaded()->isVisible());

    shuffledBoard(program, draws).Command_Click(15);
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    timer = program.form2IfLoaded()->timer();
    EXPECT_EQ(std::pair(timer->interval(), timer->timerType()), std::pair(5000, Qt::PreciseTimer));
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(program.form2IfLoaded()->windowHandle()->close());
    EXPECT_FALSE(program.form2IfLoaded()->close());
    EXPECT_TRUE(program.form2IfLoaded()->isVisible());
    timer->start(0);
    ASSERT_TRUE(waitUntil([&] { return program.form2IfLoaded() == nullptr; }));
    EXPECT_TRUE(program.form1IfLoaded()->isVisible());
    EXPECT_EQ(finished.count(), 0);
}

// The board closed while the splash, then the congratulations, are still loaded: the program
// goes on until the last of them goes.
TEST_F(Windows, TheProgramGoesOnWhileTheSplashOrTheCongratulationsAreLoaded)
{
    program.showSplash();
    program.showForm1().close();
    EXPECT_EQ(finished.count(), 0);
    program.splashIfLoaded()->Timer1_Timer(); // the board anew, then the splash goes
    ASSERT_NE(program.form1IfLoaded(), nullptr);
    EXPECT_EQ(program.splashIfLoaded(), nullptr);
    oneMoveFromSolved().Command_Click(15);
    program.form1IfLoaded()->close();
    EXPECT_EQ(finished.count(), 0);
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    program.form2IfLoaded()->Timer1_Timer();
    EXPECT_EQ(finished.count(), 1);
}

// Made alone with the counter's text, as the program makes them: its leading number, 0 for none.
TEST(Congratulations, TheCountLineReadsADamagedCounterLeniently)
{
    // The reading's other cases are the logic's; these two tell it from Qt's and C's.
    for (const auto &[counter, line] :
         {std::pair("12abc", "en 12 movimientos"), {"1e3", "en 1000 movimientos"}}) {
        const ui::Form2 congratulations(counter);
        EXPECT_EQ(congratulations.findChild<QLabel *>("Label2")->text().toStdString(), line)
            << counter;
    }
}

TEST_F(Windows, ContactOpensOnceStaysWhereMovedAndTheProgramEndsWithItsLastWindow)
{
    ui::Form1 &form = oneMoveFromSolved();
    form.Command_Click(15);
    QAction *contact = form.findChild<QAction *>(QStringLiteral("mcontacto"));
    contact->trigger();
    ui::Form7 *first = program.form7IfLoaded();
    ASSERT_NE(first, nullptr);
    first->move(first->pos() + QPoint(-37, 23));
    const QPoint moved = first->pos();
    contact->trigger();
    EXPECT_EQ(program.form7IfLoaded(), first);
    EXPECT_EQ(first->pos(), moved);
    // The resize arrow on the border only: the client area keeps the ordinary arrow, the web
    // picture its hand.
    QTest::mouseMove(first, QPoint(first->width() - 1, 40));
    EXPECT_EQ(first->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(first, first->rect().center());
    for (const char *name : {"client", "Label1", "Frame1", "Command1"})
        EXPECT_EQ(first->findChild<QWidget *>(name)->cursor().shape(), Qt::ArrowCursor) << name;
    EXPECT_EQ(link(*first, "Picture2")->cursor().shape(), Qt::BitmapCursor);
    first->resize(first->minimumSize()); // its corners overlap: a corner takes one edge of a pair
    QTest::mouseMove(first, QPoint(1, 1));
    EXPECT_EQ(first->cursor().shape(), Qt::SizeFDiagCursor);
    click(first->findChild<QWidget *>(QStringLiteral("Command1")));
    EXPECT_EQ(program.form7IfLoaded(), nullptr);
    contact->trigger();
    form.close(); // the board goes, the others stay
    EXPECT_EQ(program.form1IfLoaded(), nullptr);
    program.form2IfLoaded()->Timer1_Timer();
    EXPECT_EQ(finished.count(), 0);
    program.form7IfLoaded()->Command1_Click();
    EXPECT_EQ(finished.count(), 1);
}

// --- the web pages ---

// A click opens the page once, and so does a double-click.
TEST_F(Windows, EachLinkClickStartsTheBrowserOnceAndADoubleClickToo)
{
    for (auto [picture, address] :
         {std::pair<QWidget *, const char *>(link(program.showForm1(), "Image1"),
                                             "http://www.ludoteca.example/"),
          {link(program.showForm7(), "Picture2"), "http://www.tornel.example/"}}) {
        recorders.opened.clear();
        click(picture);
        EXPECT_EQ(recorders.opened, (std::vector<QString> {address}));
        doubleClick(picture);
        EXPECT_EQ(recorders.opened.size(), 2u);
        click(picture);
        EXPECT_EQ(recorders.opened.size(), 3u);
        EXPECT_TRUE(picture->window()->isVisible());
    }
    EXPECT_TRUE(recorders.errors.empty());
}

// The system's launcher with an opener first on PATH that runs `body`.
class Opener : public Windows
{
protected:
    Opener() { qputenv("PATH", bin.path().toLocal8Bit() + ":" + path); }
    ~Opener() override { qputenv("PATH", path); }
    void install(const QByteArray &body)
    {
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\n" + body + "\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        ui::setLauncher(nullptr);
    }
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
};

TEST_F(Opener, OneThatIsMissingFailsOrIsKilledIsReportedInPlainWords)
{
    install("[ -e \"$0.ran\" ] && kill -9 $$; touch \"$0.ran\"; exit 3");
    qputenv("PATH", "/nonexistent");
    EXPECT_TRUE(ui::launcher().open({}).contains(QStringLiteral("xdg-open")));
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
    link(program.showForm1(), "Image1")->open();
    ASSERT_TRUE(waitUntil([&] { return recorders.errors.size() == 1; }));
    link(program.showForm1(), "Image1")->open();
    ASSERT_TRUE(waitUntil([&] { return recorders.errors.size() == 2; }));
    const std::string what = "xdg-open: No se pudo abrir la página http://www.ludoteca.example/ "
                             "en el navegador.\nEl programa que abre las páginas web terminó ";
    EXPECT_EQ(recorders.errors[0].toStdString(), what + "con el código 3.");
    EXPECT_EQ(recorders.errors[1].toStdString(), what + "de forma anormal.");
}

TEST_F(Opener, ThoseStillRunningAtTheEndAreStoppedWithoutAWord)
{
    install("exec sleep 60");
    link(program.showForm1(), "Image1")->open();
    link(program.showForm1(), "Image1")->open();
    std::vector<qint64> pids;
    for (const QProcess *opener : qApp->findChildren<QProcess *>())
        pids.push_back(opener->processId());
    ASSERT_EQ(pids.size(), 2u);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QApplication::exec();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorders.errors.empty());
    EXPECT_TRUE(qApp->findChildren<QProcess *>().isEmpty());
    for (const qint64 pid : pids)
        EXPECT_NE(::kill(static_cast<pid_t>(pid), 0), 0) << "opener " << pid << " still runs";
}

// The program's own message box speaks to the player, not of handlers. That it blocks nothing,
// the storm of the played-through check shows on a real display.
TEST_F(Windows, TheErrorMessageSaysWhatFailed)
{
    ui::setErrorReporter(ui::showErrorMessage);
    recorders.failure = QStringLiteral("No se encontró xdg-open.");
    link(program.showForm1(), "Image1")->open();
    QMessageBox *box = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<QMessageBox *>(window))
            box = static_cast<QMessageBox *>(window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text().toStdString(),
              "No se pudo abrir la página http://www.ludoteca.example/ en el navegador.");
    EXPECT_FALSE(box->informativeText().contains(QStringLiteral("_Click")));
    delete box;
}

// --- as drawn ---

QWidget *client(ui::Program &program, const std::string &window, ScriptedRandom &draws)
{
    if (window == "Form7")
        return program.showForm7().client();
    if (window == "frmSplash")
        return program.showSplash().client();
    shuffledBoard(program, draws).Command_Click(15);
    return program.form2IfLoaded()->client();
}

// Each window's background at a point of its client area, and the texts of its controls.
TEST_F(Windows, BackgroundsAndTextsAsDrawn)
{
    // clang-format off
    const std::tuple<const char *, QPoint, QRgb, const char *> drawn[] = {
        {"Form2", {20, 60}, 0xF1E2BE,
            "  Felicitaciones  |¡¡¡   Lo lograste   !!!|en 1 movimientos"},
        {"frmSplash", {4, 120}, 0xFAE9C0, "|||Tornel Software||www.tornel.example|Juego|de|Tablero|"
            "Versión 1.0|01/01/2002|W95, 98, Millennium"},
        {"Form7", {75, 100}, 0xFAE9C0, " Deslizador v 1.0 |Para realizar preguntas o sugerencias "
            "dirigirse a...|Julián Tornel|Visite periódicamente nuestro sitio web en busca de "
            "actualizaciones para este software.|julian@tornel.example||Edición especial dedicada "
            "a nuestros amigos de Ludoteca"}};
    // clang-format on
    for (const auto &[window, point, colour, texts] : drawn) {
        QWidget *area = client(program, window, draws);
        EXPECT_EQ(area->grab().toImage().pixel(point) & 0xFFFFFF, colour) << window;
        QStringList shown;
        for (const QWidget *w : area->findChildren<QWidget *>()) {
            if (auto *label = qobject_cast<const QLabel *>(w))
                shown << label->text();
            else if (auto *frame = qobject_cast<const ui::Frame *>(w))
                shown << frame->caption();
        }
        EXPECT_EQ(shown.join('|').toStdString(), texts);
    }
}

// Pixels of exactly `colour` in `label` as its window draws it, and the rows they span.
std::pair<int, int> ink(QWidget *area, const char *label, QRgb colour)
{
    QWidget *w = area->findChild<QWidget *>(QString::fromLatin1(label));
    const QImage image = area->grab(QRect(w->mapTo(area, QPoint()), w->size())).toImage();
    int pixels = 0, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == colour) {
                ++pixels;
                top = std::min(top, y);
                bottom = y;
            }
    return {pixels, bottom - top + 1};
}

TEST_F(Windows, CongratulationsInRedAndDarkRedWithALargerHeading)
{
    QWidget *area = client(program, "Form2", draws);
    const auto [red, redHeight] = ink(area, "Label1", 0xFF0000);
    const auto [darkRed, darkRedHeight] = ink(area, "Label2", 0xC00000);
    EXPECT_GT(red, 50);
    EXPECT_GT(darkRed, 30);
    EXPECT_GE(redHeight, 14) << "the heading is 12 pt";
    EXPECT_LE(darkRedHeight, 11) << "the count is 8 pt";
    // The raised border: light and white rings outside, dark grey on the last column.
    const QImage window = program.form2IfLoaded()->grab().toImage();
    for (const auto &[x, colour] : {std::pair(0, 0xD4D0C8u), {1, 0xFFFFFFu}, {209, 0x404040u}})
        EXPECT_EQ(window.pixel(x, 70) & 0xFFFFFF, colour) << "column " << x;
}

TEST_F(Windows, TheBoardWindowShowsOnlyTheBoardTheBannerAndTheMenu)
{
    ui::Form1 &form = program.showForm1();
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    QStringList menu;
    for (const QAction *action : form.menuBar()->actions())
        menu << action->text();
    EXPECT_EQ(menu, (QStringList {"&Mezclar", "&Contacto", "&Salir"}));
    // The menu takes the program's font, MS Sans Serif 8 pt, not the desktop's default.
    EXPECT_EQ(QFontInfo(form.menuBar()->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(form.menuBar()->font()).pixelSize(), 11);
    EXPECT_EQ(form.findChild<QWidget *>("Image1")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form.button(1)->cursor().shape(), Qt::ArrowCursor);
    const QImage tile = form.button(1)->grab().toImage(); // raised: white, light … grey, black
    for (const auto &[x, colour] :
         {std::pair(0, 0xFFFFFFu), {1, 0xDFDFDFu}, {5, 0xF7DEA5u}, {46, 0x808080u}, {47, 0u}})
        EXPECT_EQ(tile.pixel(x, 24) & 0xFFFFFF, colour) << "column " << x;
    EXPECT_EQ(form.button(logic::Command16)->grab().toImage().pixel(24, 24) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(Windows, OneLargerThanTheScreenKeepsItsFramesTopLeftCornerOnIt)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.resize(available.size() + QSize(160, 56));
    ui::centreOnScreen(&window);
    const QRect outer = window.geometry().marginsAdded(ui::expectedFrameMargins(&window));
    EXPECT_EQ(outer.topLeft(), available.topLeft()) << outer.x() << "," << outer.y();
}

} // namespace
