#pragma once

#include <QString>

// The embedded database engine reads "firebird.conf" beside the program. At
// every start line 63 is rewritten to "RootDirectory = " + program folder +
// "fb"; nothing else in the file is read or changed. Throws DbError when the
// file cannot be read or written or has fewer than 63 lines (the data module
// counts that as a failed connection attempt). Returns true.
bool ConfigureEmbeddedServer();

// The engine root named on line 63 of firebird.conf (empty when the line is
// not there). The engine has no such setting of its own, so the data module
// applies it through the FIREBIRD variable before the first connection.
QString EmbeddedServerRoot();

// Points the engine at `root` unless the client library is already in use
// (it reads its root once). Returns whether it was applied.
bool ApplyEmbeddedServerRoot(const QString &root);
