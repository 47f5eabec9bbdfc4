#pragma once

#include "logic/game.h"

#include <QMainWindow>

#include <array>
#include <string>

namespace ui {

class PictureButton;

// The board window: sixteen buttons over the photograph, the partner banner below them and the
// menu. It plays its game and mirrors on its buttons every Left and Top the game sets, as it
// sets them; what the player asks of the program it tells with its signals.
class Form1 : public QMainWindow, private logic::BoardObserver
{
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    logic::Game &game() { return m_game; }
    const logic::Game &game() const { return m_game; }
    // Command1..Command16.
    PictureButton *button(int number) const;

    void Command_Click(int tile);
    void mmezclar_Click();
    void mcontacto_Click();
    void msalir_Click();

signals:
    // A tile's move solved the board during a game; `counter` is the move counter's text then.
    void solved(const std::string &counter);
    void contactRequested();
    void endRequested();

private:
    void buttonLeftChanged(int button, float left) override;
    void buttonTopChanged(int button, float top) override;
    void congratulationsRequested() override;
    // Gives a button its place as its description, `moved` when a move put it there; false when
    // it already had it.
    bool describePlace(int button, bool moved);

    logic::Game m_game;
    std::array<PictureButton *, 17> m_buttons {};
    bool m_placesQuiet = false;
};

} // namespace ui
