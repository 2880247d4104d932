// The modal message box of the program: one OK button, a prompt, a style and a title. Tests put
// a recorder in place of the real box, so no test ever waits on a modal dialog.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace lirvo::ui {

// The title of a box that has none of its own.
inline constexpr const char* kApplicationTitle = "lirvo";

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Returns when the user has dismissed the box. Style 0: no icon; 16: stop; 32: question
    // mark; 48: exclamation mark; 64: information.
    virtual void show(QWidget* parent, const std::string& prompt, int style,
                      const std::string& title) = 0;
};

class ModalMessageBoxes : public MessageBoxes {
  public:
    void show(QWidget* parent, const std::string& prompt, int style,
              const std::string& title) override;
};

class MessageRecorder : public MessageBoxes {
  public:
    struct Shown {
        std::string prompt;
        int style;
        std::string title;  // as the box bears it
    };
    void show(QWidget* parent, const std::string& prompt, int style,
              const std::string& title) override;
    const std::vector<Shown>& shown() const { return shown_; }
    void forget() { shown_.clear(); }

  private:
    std::vector<Shown> shown_;
};

}  // namespace lirvo::ui
