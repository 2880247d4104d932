#include "app/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace lirvo::app {
namespace {

constexpr char kKey[] = "fileRecenti";

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "lirvo", "lirvo");
}

}  // namespace

QStringList RecentFiles::paths() const {
    QStringList paths = settings().value(kKey).toStringList();
    paths.removeAll(QString());
    return paths.mid(0, kKept);
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    settings().setValue(kKey, list.mid(0, kKept));
}

}  // namespace lirvo::app
