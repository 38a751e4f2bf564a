#pragma once

#include <cstdint>

#include "main_window_controls.h"

namespace zomerita {

// The behaviour of the program's one window: what happens when it loads and when
// either button of the button group is clicked. It keeps nothing between calls; the
// window's controls hold all the data there is.
class MainWindow {
public:
    // Element indexes of the button group.
    static constexpr std::int16_t ShowCommand = 0;
    static constexpr std::int16_t ClearCommand = 1;
    static constexpr int InputLimit = 4;

    explicit MainWindow(MainWindowControls& controls) noexcept : controls_(controls) {}

    // Runs once, after the controls exist and before the window is first shown.
    void OnWindowLoad();
    // Index 0 writes the transcript of the typed number, 1 empties both boxes.
    // Throws SequenceError for an input it cannot write a transcript for; the lines
    // written before the error stay.
    void OnCommandClick(std::int16_t index);

private:
    void ResetInput();
    void WriteSequence();

    MainWindowControls& controls_;
};

}  // namespace zomerita
