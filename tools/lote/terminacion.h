#pragma once

namespace veluma::lote {

// SIGTERM, SIGINT and SIGHUP no longer end the run at once: they are noted,
// so the run can close the database and release the lock first.
void postergarTerminacion();

// The signal noted since, or 0.
int senalPendiente();

// Ends the process by the noted signal, as it would have ended without the
// delay; returns when there is none.
void terminarPorSenalPendiente();

}  // namespace veluma::lote
