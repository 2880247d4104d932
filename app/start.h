// The program's entry: the main window on the desktop, until it closes or "Fine".
//   lirvo [FILE.lirvo]
#pragma once

#include <QStringList>

namespace lirvo::app {

class MainWindow;

int start(int argc, char** argv);

// Opens the case file the command line names, if it names one (the program's name first, as
// in QCoreApplication::arguments()); a file manager gives one file.
void openArguments(MainWindow& window, const QStringList& arguments);

}  // namespace lirvo::app
