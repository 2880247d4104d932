// Replacing a file safely: the new bytes are written whole beside it and renamed over it, so a
// reader meets the old file or the new one, never half of one. Case files and reports both
// save this way.
//
// The bytes go first to an unnamed file in the target's folder (O_TMPFILE, where the system
// offers it), which vanishes if the program is killed; it gets a name only for the instant
// before the rename. Elsewhere the temporary is named `.NAME.PID.tmp`, and a save or an open
// of NAME removes those whose process is gone.
#pragma once

#include <QByteArray>
#include <QString>

namespace lirvo::casefiles {

// Writes bytes to path, replacing what a regular file there held (through a symbolic link, its
// target), with its permissions. Refuses to replace anything else (a folder, a pipe, a
// device). False when nothing was written: whatever stood at the path stays as it was.
bool saveReplacing(const QString& path, const QByteArray& bytes);

// Removes the temporaries a save of path left when its process was killed.
void removeStaleTemporaries(const QString& path);

}  // namespace lirvo::casefiles
