// The case files opened or saved last, newest first, for the File menu.
//
// The program keeps nothing between runs but this list: it is the one thing stored, in the
// user's configuration (~/.config/lirvo/lirvo.ini), because finding yesterday's file again is
// what a list of recent files is for. Tests point QSettings at a temporary folder.
#pragma once

#include <QString>
#include <QStringList>

namespace lirvo::app {

class RecentFiles {
  public:
    static constexpr int kKept = 6;

    // Absolute paths, newest first; files since removed stay until pushed out.
    QStringList paths() const;
    // Puts the file first, once, and forgets what falls beyond the sixth.
    void add(const QString& path);
};

}  // namespace lirvo::app
