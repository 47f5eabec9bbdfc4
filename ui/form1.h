#pragma once

#include "logic/board.h"
#include "logic/random.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;

namespace ui {

class PictureBox;
class PictureButton;

// The board window: sixteen buttons over the photograph, the partner banner below them and the
// menu. It holds the game; its buttons mirror every Left and Top the game sets, as it sets them.
class Form1 : public QMainWindow, private logic::BoardObserver
{
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    logic::Board &board() { return m_board; }
    const logic::Board &board() const { return m_board; }
    // Command1..Command16.
    PictureButton *button(int number) const;
    // Tests mix with their own draws; the program's source re-seeds from the clock.
    void setRandomSource(logic::RandomSource *source);

    void Command_Click(int tile);
    void mmezclar_Click();
    void mcontacto_Click();
    void msalir_Click();
    void Image1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buttonLeftChanged(int button, float left) override;
    void buttonTopChanged(int button, float top) override;
    void congratulationsRequested() override;
    // Gives a button its place as its description; false when it already had it.
    bool describePlace(PictureButton *button);

    logic::Board m_board;
    logic::ClockSeededRandom m_clockRandom;
    logic::RandomSource *m_random = &m_clockRandom;
    std::array<PictureButton *, 17> m_buttons {};
    bool m_placesQuiet = false;
};

} // namespace ui
