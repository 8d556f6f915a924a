// The folders "save on D:" and "save on C:" write to, and making them ready.
#pragma once

#include <QString>

namespace momentart {

// Where "save on D:" and "save on C:" write.
struct DriveRoots {
    QString d;
    QString c;
};

// On Windows the drive roots D:\ and C:\; elsewhere D: stands for the
// momentart folder of the user's Pictures folder (where Ctrl+S saves too)
// and C: for the momentart folder of Documents.
DriveRoots defaultDriveRoots();

// Makes the folder ready for a save: a default folder outside Windows is
// created when missing; a drive or a folder the user named must exist.
// Returns what went wrong, or an empty string.
QString prepareDriveRoot(const QString& root);

}  // namespace momentart
