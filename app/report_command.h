// The report from the command line, without a window:
//
//   lirvo --relazione [--force] OUT.pdf A.lirvo B.lirvo ...
//
// writes one calculation report of every case file given, in that order; OUT "-" writes it to
// standard output. An existing OUT is replaced only with --force. A case file that cannot be
// read is listed on the first page as not reported, with its reason, and the rest is written.
//
// Exit status: 0 when every file was reported with its results; 1 when the report was written
// but a file could not be read or a calculation stopped on a message; 2 when nothing was
// written (bad arguments, OUT exists, the file could not be written).
#pragma once

namespace lirvo::app {

// True when the arguments ask for the report rather than the window.
bool isReportCommand(int argc, char** argv);

// Runs the report command; sets the offscreen platform and creates its own application.
int runReportCommand(int argc, char** argv);

}  // namespace lirvo::app
