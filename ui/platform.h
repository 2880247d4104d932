// What the windows need of the platform beyond their own widgets, in one place so that tests
// can put a fixed screen and a recorder of message boxes in place of the real ones.
#pragma once

#include "message_box.h"
#include "screen.h"

namespace lirvo::ui {

struct Platform {
    const Screen& screen;
    MessageBoxes& messages;
};

}  // namespace lirvo::ui
