// The modal message box of the program: one OK button, a prompt, a style and a title; and the
// one question it asks, with Sì, No and Annulla. Tests put a recorder in place of the real
// box, so no test ever waits on a modal dialog.
#pragma once

#include <string>
#include <vector>

#include "sections/frame.h"

class QWidget;

namespace lirvo::ui {

using lirvo::MessageStyle;

// The title of a box that has none of its own.
inline constexpr const char* kApplicationTitle = "lirvo";

// What the user answered a question; closing the box is Annulla.
enum class Answer { kYes, kNo, kCancel };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Returns when the user has dismissed the box.
    virtual void show(QWidget* parent, const std::string& prompt, MessageStyle style,
                      const std::string& title) = 0;
    // A question box with Sì (the default), No and Annulla, under the program's title.
    virtual Answer ask(QWidget* parent, const std::string& prompt) = 0;
};

class ModalMessageBoxes : public MessageBoxes {
  public:
    void show(QWidget* parent, const std::string& prompt, MessageStyle style,
              const std::string& title) override;
    Answer ask(QWidget* parent, const std::string& prompt) override;
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
    // Records the question and gives `answer`.
    Answer ask(QWidget* parent, const std::string& prompt) override;
    const std::vector<Shown>& shown() const { return shown_; }
    const std::vector<std::string>& asked() const { return asked_; }
    void forget() {
        shown_.clear();
        asked_.clear();
    }

    Answer answer = Answer::kCancel;

  private:
    std::vector<Shown> shown_;
    std::vector<std::string> asked_;
};

}  // namespace lirvo::ui
