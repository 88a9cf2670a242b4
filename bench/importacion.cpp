// Times the import of a CSV file of 100,000 ticket lines (250 rooms × 4
// weeks × 100 prices) into a Form 708 declaration in a temporary
// installation: reading the file, checking every line as the preview does,
// and storing them in one transaction. Against the work it cannot avoid:
// inserting the same rows with one prepared statement in one transaction,
// and one SELECT of them. Prints the median of each step in ms and the
// ratio of the whole import to the bare INSERT.
// Usage: bench_importacion [repetitions]

#include "core/error.h"
#include "core/transaction.h"
#include "declaraciones_grandes.h"
#include "f708/importacion_708.h"
#include "formularios_instalados.h"
#include "intercambio/importacion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace veluma;

namespace {

constexpr int kSalas = 250;
constexpr int kSemanas = 4;
constexpr int kPrecios = 100;

double precio(int numero) { return 4.5 + numero * 0.25; }
int entradas(int sala, int semana, int numero) { return 10 + (sala * 7 + semana * 3 + numero) % 1990; }

// The file as a spreadsheet saves it: titles, semicolons, decimal commas.
void escribirCsv(const QString& ruta)
{
    QByteArray csv = "Código INCAA;Semana;Precio de venta;Entradas vendidas\r\n";
    for (int sala = 1; sala <= kSalas; ++sala)
        for (int semana = 1; semana <= kSemanas; ++semana)
            for (int numero = 1; numero <= kPrecios; ++numero)
                csv += QStringLiteral("%1;%2;%3;%4\r\n")
                           .arg(100000 + sala)
                           .arg(semana)
                           .arg(QString::number(precio(numero), 'f', 2).replace('.', ','))
                           .arg(entradas(sala, semana, numero))
                           .toUtf8();
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(csv) != csv.size())
        throw Error(1, QStringLiteral("No se pudo escribir %1").arg(ruta));
}

void borrarLineas(Sesion& sesion)
{
    Statement baja = sesion.base.prepare(
        QStringLiteral("DELETE FROM [708ImpuestoDeterminado] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?"));
    ligarClave(baja, sesion.declaracion).run();
}

void insertarSinMas(Sesion& sesion, const std::vector<qint32>& salas)
{
    Transaction transaccion(sesion.base);
    Statement alta = sesion.base.prepare(QStringLiteral(
        "INSERT INTO [708ImpuestoDeterminado] (CUIT, PERIODO, SECUENCIA, COD_SALA, NRO_SEMANA, PRECIO_VENTA, "
        "CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (int sala = 1; sala <= kSalas; ++sala)
        for (int semana = 1; semana <= kSemanas; ++semana)
            for (int numero = 1; numero <= kPrecios; ++numero) {
                alta.reset();
                ligarClave(alta, sesion.declaracion)
                    .bind(4, salas[std::size_t(sala - 1)])
                    .bind(5, semana)
                    .bind(6, precio(numero))
                    .bind(7, entradas(sala, semana, numero));
                alta.run();
            }
    transaccion.commit();
}

double mediana(std::vector<double> tiempos)
{
    std::sort(tiempos.begin(), tiempos.end());
    return tiempos[tiempos.size() / 2];
}

double ms(const QElapsedTimer& reloj) { return double(reloj.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacion(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    registrarFormularios();

    bench::InstalacionDeMedicion medicion;
    Sesion& sesion = medicion.sesion;
    sesion.declaracion = {sesion.cuit, 200403, 0, 708, QStringLiteral("10")};
    const std::vector<qint32> salas = bench::crearDeclaracion708(sesion, kSalas);
    const QString ruta = medicion.carpeta.filePath(QStringLiteral("entradas.csv"));
    escribirCsv(ruta);

    std::vector<double> lectura, revision, guardado, total, insercion, consulta;
    int guardadas = 0;
    for (int vez = 0; vez < repeticiones; ++vez) {
        borrarLineas(sesion);
        QElapsedTimer reloj;
        reloj.start();
        TablaCsv tabla = leerArchivoCsv(ruta);
        lectura.push_back(ms(reloj));
        const Importacion importacion(std::make_unique<ImportadorEntradas708>(sesion.base, sesion.declaracion),
                                      std::move(tabla));
        revision.push_back(ms(reloj) - lectura.back());
        guardadas = importacion.importar(sesion.base, false);
        guardado.push_back(ms(reloj) - lectura.back() - revision.back());
        total.push_back(ms(reloj));

        if (guardadas != kSalas * kSemanas * kPrecios)
            throw Error(1, QStringLiteral("No se guardaron todas las líneas"));
        QElapsedTimer seleccion;
        seleccion.start();
        bench::leerLineas(sesion);
        consulta.push_back(ms(seleccion));

        borrarLineas(sesion);
        QElapsedTimer alta;
        alta.start();
        insertarSinMas(sesion, salas);
        insercion.push_back(ms(alta));
    }
    std::printf("Importación de %d líneas de entradas (F.708) desde CSV: mediana de %d repeticiones, ms\n", guardadas,
                repeticiones);
    std::printf("  %10s %10s %10s %10s   %12s %10s   %14s\n", "lectura", "revisión", "guardado", "total", "INSERT solo",
                "SELECT", "total ÷ INSERT");
    std::printf("  %10.1f %10.1f %10.1f %10.1f   %12.1f %10.1f   %14.2f\n", mediana(lectura), mediana(revision),
                mediana(guardado), mediana(total), mediana(insercion), mediana(consulta),
                mediana(total) / mediana(insercion));
    return 0;
}
