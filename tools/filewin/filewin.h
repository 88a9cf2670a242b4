#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The encoder of files presented through the Internet. Reads the
// header-plus-records file `entrada` and writes, in the same folder,
// "<base name>.b64": the base64 text (76 characters a line) of the file's
// submission encoding (header line as is, body compressed and checked).
// Returns 0 and puts the full path of that file in `salida`; on a failure
// returns 1, leaves `salida` empty and appends the reason, one line, to the
// log file `registroErrores` when that path is not empty.
int filewin(const QString& entrada, QString& salida, const QString& registroErrores);

// The original bytes of a .b64 file's content; nothing when it is damaged.
std::optional<QByteArray> decodificarFileWin(const QByteArray& contenido);
