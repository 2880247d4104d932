// The modal message box of the program: one OK button, a prompt, a style and a title. Tests put
// a recorder in place of the real box, so no test ever waits on a modal dialog.
#pragma once

#include <string>
#include <vector>

#include "sections/frame.h"

class QWidget;

namespace lirvo::ui {

using lirvo::MessageStyle;

// The title of a box that has none of its own.
inline constexpr const char* kApplicationTitle = "lirvo";

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Returns when the user has dismissed the box.
    virtual void show(QWidget* parent, const std::string& prompt, MessageStyle style,
                      const std::string& title) = 0;
};

class ModalMessageBoxes : public MessageBoxes {
  public:
    void show(QWidget* parent, const std::string& prompt, MessageStyle style,
              const std::string& title) override;
};

class MessageRecorder : public MessageBoxes {
  public:
    struct Shown {
        std::string prompt;
        MessageStyle style;
        std::string title;  // as the box bears it
    };
    void show(QWidget* parent, const std::string& prompt, MessageStyle style,
              const std::string& title) override;
    const std::vector<Shown>& shown() const { return shown_; }
    void forget() { shown_.clear(); }

  private:
    std::vector<Shown> shown_;
};

}  // namespace lirvo::ui
