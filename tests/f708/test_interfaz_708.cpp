#include "core/instalacion.h"
#include "f708/interfaz_708.h"
#include "f708/liquidacion_708.h"
#include "generation/codificacion.h"
#include "generation/datos_generacion.h"
#include "support/archivos.h"
#include "support/declaracion_708.h"
#include "support/sesion_de_prueba.h"

#include <QFile>

using namespace veluma;

namespace {

class Interfaz708 : public test::SesionDePrueba {
protected:
    // Settles the session's declaration and writes its records; true on success.
    bool generar()
    {
        liquidacion = Liquidacion708::calcular(sesion.base, sesion.declaracion);
        interfaz = std::make_unique<cls708Interfaz>(sesion, liquidacion);
        return interfaz->GenerarDisquete(kArchivoRegistros, mensajes);
    }
    QString rutaRegistros() const { return DirectorioWindows(sesion.instalacion) + kArchivoRegistros; }
    // The records of one type, in the file's order.
    QList<QByteArray> registros(const char* tipo) const
    {
        QList<QByteArray> deTipo;
        for (const QByteArray& linea : test::leerArchivo(rutaRegistros()).split('\n'))
            if (linea.startsWith(tipo))
                deTipo += linea;
        return deTipo;
    }
    QByteArray registro(const char* tipo) const { return registros(tipo).value(0); }
    QStringList fallo(const QString& motivo) const
    {
        return {QStringLiteral("Información: La generación no se efectuó por el siguiente motivo:\r\n\r\n") + motivo};
    }

    Liquidacion708 liquidacion;
    std::unique_ptr<cls708Interfaz> interfaz;
};

}  // namespace

TEST_F(Interfaz708, ArchivoDeLaDeclaracionDeReferenciaByteAByte)
{
    test::declaracionDeReferencia708(sesion);
    ASSERT_TRUE(generar());
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('\n').toStdString();
    const QByteArray esperado = test::leerArchivo(QStringLiteral(VELUMA_DATOS_PRUEBA "/F0708_esperado.dat"));
    ASSERT_FALSE(esperado.isEmpty());
    EXPECT_EQ(test::leerArchivo(rutaRegistros()), esperado);
    EXPECT_EQ(interfaz->CantidadRegistros, 19);
    EXPECT_EQ(interfaz->ArchivoSalidaDKT, "715773F0708.dat");
    EXPECT_EQ(interfaz->ArchivoSalidaCD, "715773F07083070451826520040300.dat");
}

TEST_F(Interfaz708, SinPagosNoHayRegistro04YElSaldoNegativoVaEnCeros)
{
    test::declaracionDeReferencia708(sesion);
    cls708PagoCuenta::Eliminar(sesion.base, sesion.declaracion);
    ASSERT_TRUE(generar());
    EXPECT_TRUE(registros("04").isEmpty());
    EXPECT_EQ(registro("07").mid(47, 60), QByteArray(60, '0'));

    // Payments above the tax: zeros for the balance in 07 and 99; a week paid 0 has no 04.
    ASSERT_EQ(test::pagos708(sesion, 200, 0, 0, 100).Agregar(sesion.base), QString());
    ASSERT_TRUE(generar());
    EXPECT_EQ(registro("07").mid(17, 30), "000000000030000" + QByteArray(15, '0'));
    EXPECT_EQ(registro("99").left(20), "99304" + QByteArray(15, '0'));
    EXPECT_EQ(registros("04"), (QList<QByteArray>{"041000000000020000", "044000000000010000"}));
}

TEST_F(Interfaz708, FallasConSuMotivoYSinArchivo)
{
    test::crearDeclaracion708(sesion);
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("No tiene Salas ingresadas.\r\n")));
    EXPECT_FALSE(QFile::exists(rutaRegistros()));

    mensajes.mensajes.clear();
    test::agregarSala708(sesion, QStringLiteral("Sala"), QStringLiteral("Calle"), QStringLiteral("1"));
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("No tiene ingresado Impuesto Determinado.\n\r")));

    // A sequence of two digits makes the header one character too long.
    mensajes.mensajes.clear();
    usarDeclaracion(200403, 10);
    test::declaracionDeReferencia708(sesion);
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("La longitud del Registro 01 es incorrecta.\r\n")));

    // A taxpayer without a fiscal address has an empty address block.
    mensajes.mensajes.clear();
    usarContribuyente(QStringLiteral("30715482033"));
    test::declaracionDeReferencia708(sesion);
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("La longitud del Registro 20 es incorrecta.\r\n")));
    EXPECT_FALSE(QFile::exists(rutaRegistros()));
}

TEST_F(Interfaz708, ControlesEnLosTextosNoCorrenLosCampos)
{
    test::crearDeclaracion708(sesion, QStringLiteral("10.5"));
    // Stored by another program: the screens refuse a line feed.
    sesion.base
        .prepare(QStringLiteral("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, "
                                "DOMICILIO_SALA, COD_INCAA) VALUES (?, 200403, 0, 7, 'Sala\nUno', 'Calle\tDos', '77')"))
        .bindAll(sesion.cuit)
        .run();
    test::agregarLinea708(sesion, 7, 4, 10, 3);
    ASSERT_TRUE(generar());
    EXPECT_EQ(registro("02"), "0277    Sala Uno" + QByteArray(32, ' ') + "Calle Dos" + QByteArray(31, ' '));
    // 10 × 100 / 110.5 = 9.0498; 3 × 9.0498 × 0.105 = 2.850687
    EXPECT_EQ(registro("03"), "0377    4000000000001000000003000000000090498000000000000285");
    EXPECT_EQ(registro("07").right(5), "01050");
}
