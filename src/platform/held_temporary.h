// A hidden file made anew in the folder a file is written to, to become that
// file once whole: `.momentart-PID-XXXXXXXX.part`, whatever the final name
// (so it fits wherever that name fits). Its writer holds a lock on it until
// it takes its name or is removed. A writer killed half-way leaves one
// behind: the first writer of a later process into that folder removes
// those whose lock nobody holds and whose writer is not a live process.
#pragma once

#include <QFile>
#include <QString>

namespace momentart {

class HeldTemporary {
public:
    // Makes and locks a new temporary file in `folder`, after removing the
    // ones left there by writers that died.
    explicit HeldTemporary(const QString& folder);
    // Removes the file unless it was kept, and lets go of it.
    ~HeldTemporary();
    HeldTemporary(const HeldTemporary&) = delete;
    HeldTemporary& operator=(const HeldTemporary&) = delete;

    // Why the file could not be made; empty when it was.
    const QString& error() const { return error_; }
    const QString& path() const { return path_; }
    // The open file, for writing (closed without one).
    QFile& file() { return file_; }
    // Whether the destructor removes the file at path(): not once it has
    // taken its name (nor when it is taken back to be placed again).
    void setKept(bool kept) { kept_ = kept; }

private:
    QString path_;
    QString error_;
    QFile file_;
    bool kept_ = false;
};

// Removes from `folder` the temporary files of writers that died (see
// above). Only the first call for a folder in a process looks.
void removeAbandonedTemporaries(const QString& folder);

}  // namespace momentart
