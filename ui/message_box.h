// The modal message box of the program: one OK button, a prompt, a style and a title; and the
// one question it asks, with Sì, No and Annulla. Tests put a recorder in place of the real
// box, so no test ever waits on a modal dialog.
#pragma once

#include <string>

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

// The title a box bears: its own, or the program's where it has none.
std::string titleBorne(const std::string& title);

}  // namespace lirvo::ui
