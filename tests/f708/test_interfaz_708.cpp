#include "core/instalacion.h"
#include "f708/declaracion_708.h"
#include "f708/interfaz_708.h"
#include "generation/codificacion.h"
#include "generation/datos_generacion.h"
#include "support/archivos.h"

#include <QFile>

using namespace veluma;

namespace {

class Interfaz708 : public test::Declaracion708 {
protected:
    // Generates with the balance the balance screen would show; true on success.
    bool generar(std::optional<double> saldo = std::nullopt)
    {
        const double pendiente = saldo.value_or(saldoParaGeneracion(sesion, 10));
        interfaz = std::make_unique<cls708Interfaz>(sesion, pendiente);
        return interfaz->GenerarDisquete(kArchivoRegistros, mensajes);
    }
    QString rutaRegistros() const { return DirectorioWindows(sesion.instalacion) + kArchivoRegistros; }
    QList<QByteArray> registros() const { return test::leerArchivo(rutaRegistros()).split('\n'); }
    QByteArray registro(const char* tipo) const
    {
        for (const QByteArray& linea : registros())
            if (linea.startsWith(tipo))
                return linea;
        return {};
    }
    QString fallo(const QString& motivo) const
    {
        return QStringLiteral("Información: La generación no se efectuó por el siguiente motivo:\r\n\r\n") + motivo;
    }

    std::unique_ptr<cls708Interfaz> interfaz;
};

}  // namespace

TEST_F(Interfaz708, ArchivoDeLaDeclaracionDeReferenciaByteAByte)
{
    declaracionDeReferencia();
    ASSERT_TRUE(generar());
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('\n').toStdString();
    const QByteArray esperado = test::leerArchivo(QStringLiteral(VELUMA_DATOS_PRUEBA "/F0708_esperado.dat"));
    ASSERT_FALSE(esperado.isEmpty());
    EXPECT_EQ(test::leerArchivo(rutaRegistros()), esperado);
    EXPECT_EQ(interfaz->CantidadRegistros, 19);
    EXPECT_EQ(interfaz->ArchivoSalidaDKT, QStringLiteral("715773F0708.dat"));
    EXPECT_EQ(interfaz->ArchivoSalidaCD, QStringLiteral("715773F070830704518265200403"
                                                        "00.dat"));
}

TEST_F(Interfaz708, SinPagosNoHayRegistro04YElSaldoNegativoVaEnCeros)
{
    declaracionDeReferencia();
    cls708PagoCuenta::Eliminar(sesion.base, clave());
    ASSERT_TRUE(generar());
    EXPECT_TRUE(registro("04").isEmpty());
    EXPECT_EQ(registro("07").mid(47, 60), QByteArray(60, '0'));

    // Payments above the tax: zeros for the balance in 07 and 99.
    ASSERT_EQ(pagos(200, 0, 0, 100).Agregar(sesion.base), QString());
    ASSERT_TRUE(generar());
    const QByteArray r07 = registro("07");
    EXPECT_EQ(r07.mid(17, 15), "000000000030000");
    EXPECT_EQ(r07.mid(32, 15), QByteArray(15, '0'));
    EXPECT_EQ(registro("99").left(20), "99304" + QByteArray(15, '0'));
    QList<QByteArray> semanas;
    for (const QByteArray& linea : registros())
        if (linea.startsWith("04"))
            semanas += linea;
    EXPECT_EQ(semanas, (QList<QByteArray>{"041000000000020000", "044000000000010000"}));
}

TEST_F(Interfaz708, FallasConSuMotivoYSinArchivo)
{
    crearDeclaracion();
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, QStringList{fallo(QStringLiteral("No tiene Salas ingresadas.\r\n"))});
    EXPECT_FALSE(QFile::exists(rutaRegistros()));

    mensajes.mensajes.clear();
    agregarSala(QStringLiteral("Sala"), QStringLiteral("Calle"), QStringLiteral("1"));
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, QStringList{fallo(QStringLiteral("No tiene ingresado Impuesto Determinado.\n\r"))});
}

TEST_F(Interfaz708, RegistrosDeLargoIncorrecto)
{
    // A sequence of two digits makes the header one character too long.
    usar(200403, 10);
    declaracionDeReferencia();
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, QStringList{fallo(QStringLiteral("La longitud del Registro 01 es incorrecta.\r\n"))});

    // A taxpayer without a fiscal address has an empty address block.
    mensajes.mensajes.clear();
    sesion.cuit = QStringLiteral("30715482033");
    usar(200403, 0);
    declaracionDeReferencia();
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, QStringList{fallo(QStringLiteral("La longitud del Registro 20 es incorrecta.\r\n"))});
    EXPECT_FALSE(QFile::exists(rutaRegistros()));
}

TEST_F(Interfaz708, ControlesEnLosTextosNoCorrenLosCampos)
{
    crearDeclaracion(QStringLiteral("10.5"));
    // Stored by another program: the screens refuse a line feed.
    sesion.base
        .prepare(QStringLiteral("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, "
                                "DOMICILIO_SALA, COD_INCAA) VALUES (?, ?, 0, 7, ?, 'Calle\tDos', '77')"))
        .bindAll(sesion.cuit, sesion.periodo, QStringLiteral("Sala\nUno"))
        .run();
    agregarLinea(7, 4, 10, 3);
    ASSERT_TRUE(generar(saldoParaGeneracion(sesion, 10.5)));
    EXPECT_EQ(registro("02"), "0277    Sala Uno" + QByteArray(32, ' ') + "Calle Dos" + QByteArray(31, ' '));
    // 10 × 100 / 110.5 = 9.0498; 3 × 9.0498 × 0.105 = 2.850687
    EXPECT_EQ(registro("03"), "0377    4000000000001000000003000000000090498000000000000285");
    EXPECT_EQ(registro("07").right(5), "01050");
}
