#pragma once
// The start-up screen, "ABOUT CALORIX Conduction Heat Transfer Software":
// shown while the program starts, it fills the material list, pauses a
// moment, then shows the input window and hides itself.  The program tells
// it what loading and handing over mean, so the screen knows nothing of the
// input window.
#include <QDialog>
#include <array>
#include <functional>

class QLabel;

namespace calorix {

// Load runs as the screen is built (the material list is ready before
// anyone can open it); Hand_Over once the pause is over (the input window
// takes over).  Either may be empty.
struct Start_Up_Steps {
    std::function<void()> Load;
    std::function<void()> Hand_Over;
};

class About_Form : public QDialog {
    Q_OBJECT

  public:
    explicit About_Form(Start_Up_Steps steps, QWidget* parent = nullptr);

    // How long the screen stays up before the input window takes over.  The
    // pause blocks the program, as the start-up screen always has; 0 hands
    // over at once (screenshots, tests).
    int Pause_Milliseconds = 1500;

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    std::array<QLabel*, 4> Label{};

  protected:
    // A window system that never exposes the window does not hold the
    // program up for longer than this.
    static constexpr int Expose_Wait_Milliseconds = 2000;

    void showEvent(QShowEvent* e) override;

  private:
    // Form_Activate: paint the screen, pause, then hand over.
    void Pause_And_Hand_Over();

    Start_Up_Steps steps_;
    bool started_ = false;
};

}  // namespace calorix
