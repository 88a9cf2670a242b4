#pragma once

#include <QObject>

class QSocketNotifier;

namespace veluma {

// Turns SIGTERM (the desktop session ending), SIGINT and SIGHUP into a Qt
// signal, so they run the same closing as Archivo > Salir.
class AvisoTerminacion : public QObject {
    Q_OBJECT
public:
    // Call first thing in main(): a signal that arrives before the event
    // loop runs waits in a pipe instead of killing the process.
    static void instalarManejadores();

    explicit AvisoTerminacion(QObject* parent = nullptr);

signals:
    void terminacionPedida();

private:
    QSocketNotifier* notificador_;
};

}  // namespace veluma
