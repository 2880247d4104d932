// The program's entry: the main window on the desktop, until it closes or "Fine".
#pragma once

namespace lirvo::app {

int start(int argc, char** argv);

}  // namespace lirvo::app
