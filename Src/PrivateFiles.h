#pragma once

#include <QString>

// The log, the settings and the usage events tell what one user did and typed:
// only that user may read them, whatever the umask or an earlier version left.
namespace PrivateFiles {

// Creates the folder and its missing parents 0700 and tightens it to 0700 when it exists.
// Returns why that failed, empty on success.
QString makeFolder(const QString& path);
// The folder as above, then the file created 0600 or tightened to 0600.
QString prepareFile(const QString& path);
// Tightens a file already open to 0600.
QString restrict(int descriptor);

} // namespace PrivateFiles
