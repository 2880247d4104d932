// What the windows need of the platform beyond their own widgets, in one place so that tests
// can put a fixed screen, a recorder of message boxes, a PDF file for the printer and fixed
// answers for the file dialogs in place of the real ones.
#pragma once

#include "ui/file_dialogs.h"
#include "ui/message_box.h"
#include "ui/printer.h"
#include "ui/screen.h"

namespace lirvo::ui {

struct Platform {
    const Screen& screen;
    MessageBoxes& messages;
    Printer& printer;
    SaveDialogs& saveDialogs;
    CaseFileDialogs& caseFileDialogs;
};

}  // namespace lirvo::ui
