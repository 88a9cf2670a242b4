#include "f617/licencias_617.h"
#include "f617/liquidacion_617.h"
#include "printing/configuracion_reporte.h"
#include "printing/textos_impresos.h"
#include "support/declaracion_617.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

using namespace veluma;

namespace {

// A Form 617 declaration of the session: television, March 2005.
class Formulario617Prueba : public test::SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        test::crearDeclaracion617(sesion, 200503, 306);
    }
    cls617Licencias licencia(qint64 codigo)
    {
        cls617Licencias leida;
        leida.clave = sesion.declaracion;
        leida.CodigoLicencia = codigo;
        leida.CargarLicencias(sesion.base);
        return leida;
    }
    // "table:licence codes" of every Form 617 row of the taxpayer, per service.
    QStringList filas()
    {
        QStringList todas;
        for (const char* tabla :
             {"617Licencias", "617LicenciasDetalle", "617LicenciasIngresoConceptos", "617LicenciasTotalLicencias"})
            todas += QString::fromLatin1(tabla) + ':'
                     + test::filasDeConsulta(sesion.base, QStringLiteral("SELECT ImpServicio || '/' || CodigoLicencia "
                                                                         "FROM [%1] ORDER BY 1")
                                                              .arg(tabla))
                           .join(',');
        return todas;
    }
};

}  // namespace

TEST_F(Formulario617Prueba, LosCodigosNoSeReusanElDuplicadoEsPorRazonYTipoYBorrarLlevaSusFilas)
{
    for (const char* razon : {"Canal 9", "O'Higgins TV", "Cable Sur"})
        test::agregarLicencia617(sesion, QString::fromUtf8(razon), 2);
    licencia(2).EliminarLicencia(sesion.base);
    EXPECT_EQ(test::agregarLicencia617(sesion, QStringLiteral("Nueva"), 1), 4);

    cls617Licencias otra;
    otra.clave = sesion.declaracion;
    otra.ApellidoNombre = QStringLiteral("Canal 9");
    otra.TipoServicio = 2;
    EXPECT_TRUE(otra.BuscarDuplicado(sesion.base));
    otra.TipoServicio = 3;
    EXPECT_FALSE(otra.BuscarDuplicado(sesion.base));

    // Each licence carries its rows (its totals are written when it is first loaded); the radio declaration of the
    // same period keeps its own.
    for (qint64 codigo : {1, 3}) {
        test::agregarConcepto617(sesion, codigo, 100, 10);
        sesion.base.execute(QStringLiteral("INSERT INTO [617LicenciasDetalle] (CUIT, Periodo, Secuencia, ImpServicio, "
                                           "CodigoLicencia, NroDecreto) VALUES ('%1', 200503, 0, 306, %2, 5)")
                                .arg(sesion.cuit)
                                .arg(codigo));
        EXPECT_FALSE(licencia(codigo).Detalle.EstaVacio());
    }
    EXPECT_TRUE(licencia(4).Detalle.EstaVacio());
    const ClaveDDJJ television = sesion.declaracion;
    test::crearDeclaracion617(sesion, 200503, 307);
    test::agregarConcepto617(sesion, test::agregarLicencia617(sesion, QStringLiteral("Radio"), 6), 100, 1);
    sesion.declaracion = television;
    licencia(3).EliminarLicencia(sesion.base);
    EXPECT_EQ(filas(),
              QStringList({"617Licencias:306/1,306/4,307/1", "617LicenciasDetalle:306/1",
                           "617LicenciasIngresoConceptos:306/1,307/1", "617LicenciasTotalLicencias:306/1,306/4"}));
    cls617Licencias::EliminarTodas(sesion.base, sesion.declaracion);
    EXPECT_EQ(filas(), QStringList({"617Licencias:307/1", "617LicenciasDetalle:", "617LicenciasIngresoConceptos:307/1",
                                    "617LicenciasTotalLicencias:"}));
}

TEST_F(Formulario617Prueba, LaLicenciaSeValidaEnOrdenYSeGuardaComoSeEscribio)
{
    struct Caso {
        QDate inicio;
        QString razon;
        QString domicilio;
        int tipo;
        const char* problema;
    };
    const QString cuarenta(40, u'Ñ');
    const Caso casos[] = {
        {{}, {}, {}, 0, "La fecha de Inicio de Actividades no es válida"},
        {{2005, 4, 1},
         "A",
         "B",
         1,
         "La fecha de Inicio de Actividades no puede ser\r\nmayor al periodo de la "
         "Declaración Jurada."},
        {{2005, 3, 31}, " ", "B", 1, "Debe completar la razón social"},
        {{2004, 7, 15}, cuarenta + 'X', "B", 1, "La razón social no puede tener más de 40 caracteres"},
        {{2004, 7, 15}, "Radio\nSur", "B", 1, "La razón social no puede tener saltos de línea ni tabulaciones"},
        {{2004, 7, 15}, "A", "", 1, "Debe completar el domicilio"},
        {{2004, 7, 15}, "A", cuarenta + 'X', 1, "El domicilio no puede tener más de 40 caracteres"},
        {{2004, 7, 15}, "A", "Calle\t1", 1, "El domicilio no puede tener saltos de línea ni tabulaciones"},
        {{2004, 7, 15}, "A", "B", 0, "Debe completar tipo de servicio"},
        {{2005, 3, 31}, cuarenta, "D'Elía 'Sur'; --", 5, ""},
    };
    for (const Caso& caso : casos) {
        cls617Licencias nueva;
        nueva.clave = sesion.declaracion;
        nueva.InicioActividades = caso.inicio;
        nueva.ApellidoNombre = caso.razon;
        nueva.Domicilio = caso.domicilio;
        nueva.TipoServicio = caso.tipo;
        EXPECT_EQ(ValidarLicencia(nueva).problema, QString::fromUtf8(caso.problema)) << caso.problema;
        if (!*caso.problema)
            nueva.GuardarLicencia(sesion.base, true);
    }
    const cls617Licencias guardada = licencia(1);
    EXPECT_EQ(QStringLiteral("%1|%2|%3|%4")
                  .arg(guardada.ApellidoNombre, guardada.Domicilio)
                  .arg(guardada.TipoServicio)
                  .arg(guardada.InicioActividades.toString(Qt::ISODate)),
              cuarenta + "|D'Elía 'Sur'; --|5|2005-03-31");
}

TEST_F(Formulario617Prueba, LosTiposDeServicioSonLosDelImpuestoVigentesYLaAlicuotaEstrictaNoTomaElDiaDeBorde)
{
    const auto codigos = [&] {
        QStringList lista;
        for (const TipoDeServicio& tipo : cls617Licencias::TiposDeServicio(sesion.base, sesion.declaracion))
            lista += QString::number(tipo.codigo);
        return lista.join(',');
    };
    EXPECT_EQ(codigos(), "1,2,3,4,5");
    sesion.declaracion.periodo = 201001;  // the community aerials ended in October 2009
    EXPECT_EQ(codigos(), "1,2,3,5");
    sesion.declaracion.campo1 = QStringLiteral("307");
    EXPECT_EQ(codigos(), "6,7,8");

    // A rate in force from the first day of the period is the list's and the total's, not the totals screen's.
    sesion.base.execute(
        QStringLiteral("INSERT INTO [617TablaDenom] (Codigo, Descripcion, Porcentaje, VigenciaDesde, "
                       "VigenciaHasta, impuesto) VALUES (9, 'Nuevo', 7, '2010-01-01', '2099-12-31', "
                       "307)"));
    EXPECT_EQ(codigos(), "6,7,8,9");
    EXPECT_EQ(alicuotaVigente(sesion.base, 9, 201001), 7);
    EXPECT_EQ(alicuotaVigenteEstricta(sesion.base, 9, 201001), std::nullopt);
    EXPECT_EQ(alicuotaVigenteEstricta(sesion.base, 9, 201002), 7);
    EXPECT_EQ(alicuotaVigente(sesion.base, 2, 200303), 6);  // the cable rate fell to 5 on 16/03/2003
    EXPECT_EQ(alicuotaVigente(sesion.base, 2, 200304), 5);
}

TEST_F(Formulario617Prueba, LosConceptosSumanPorGrupoYUnoRepetidoNoSeGuarda)
{
    const qint64 primera = test::agregarLicencia617(sesion, QStringLiteral("Canal 9"), 1);
    const qint64 segunda = test::agregarLicencia617(sesion, QStringLiteral("Canal 13"), 1);
    for (const auto& [concepto, importe] : {std::pair{100, 1000.0}, {110, 200.0}, {116, 30.0}, {118, 4.0}, {120, 5.0}})
        test::agregarConcepto617(sesion, primera, concepto, importe);
    test::agregarConcepto617(sesion, segunda, 110, 7);  // the same concept under another licence

    using Guardado = cls617LicIngresoConceptos::Guardado;
    EXPECT_EQ(cls617LicIngresoConceptos({110, 1}).GuardarConcepto(sesion.base, sesion.declaracion, primera, true),
              Guardado::Duplicado);
    // A changed row that takes the code of another is refused too, and stays as it was.
    EXPECT_EQ(cls617LicIngresoConceptos({100, 9}).GuardarConcepto(sesion.base, sesion.declaracion, primera, false, 120),
              Guardado::Duplicado);
    EXPECT_EQ(cls617LicIngresoConceptos({121, 6}).GuardarConcepto(sesion.base, sesion.declaracion, primera, false, 120),
              Guardado::Hecho);

    const cls617Licencias leida = licencia(primera);
    EXPECT_EQ(QStringLiteral("%1 %2 %3 %4 %5 %6")
                  .arg(leida.TotalComerPublicidad())
                  .arg(leida.TotalComerAbonos())
                  .arg(leida.TotalComerProgramas())
                  .arg(leida.TotalOtrosConceptos())
                  .arg(leida.TotalFacturacionBruta())
                  .arg(leida.CantidadConceptos()),
              "1000 200 30 4 1240 5");
    cls617LicIngresoConceptos::EliminarTodos(sesion.base, sesion.declaracion, primera);
    EXPECT_EQ(licencia(primera).CantidadConceptos(), 0);
    EXPECT_EQ(licencia(segunda).TotalComerAbonos(), 7);

    struct Caso {
        qint64 concepto;
        const char* importe;
        const char* problema;
    };
    for (const Caso& caso : std::initializer_list<Caso>{
             {0, "10", "El concepto no es válido"},
             {101, "", "La facturación no puede ser cero"},
             {101, "0,00", "La facturación no puede ser cero"},
             {101, "-50", "El importe de Facturación debe ser un número no negativo con hasta dos decimales."},
             {101, "diez", "El importe de Facturación debe ser un número no negativo con hasta dos decimales."},
             {101, "1,234", "El importe de Facturación debe ser un número no negativo con hasta dos decimales."},
             {101, "10000000000000", "El importe de Facturación no puede superar 9.999.999.999.999,99."},
             {101, "9.999.999.999.999,99", ""}})
        EXPECT_EQ(leerConcepto(caso.concepto, QString::fromLatin1(caso.importe)).problema,
                  QString::fromUtf8(caso.problema))
            << caso.importe;
}

TEST_F(Formulario617Prueba, ElTotalDeLaLicenciaAplicaLaAlicuotaYLaExencionNoSuperaAlImpuesto)
{
    const qint64 codigo = test::agregarLicencia617(sesion, QStringLiteral("FM Sur"), 2);  // cable: 5 % in 2005
    test::agregarConcepto617(sesion, codigo, 100, 10000);
    EXPECT_FALSE(cls617LicTotalLicencias::HayDatos(sesion.base, sesion.declaracion, codigo));
    cls617Licencias leida = licencia(codigo);  // writes the zero totals row
    EXPECT_EQ(test::filasDeConsulta(sesion.base,
                                    "SELECT DescuentosBonificaciones, ExencionesOtorgadas, Numero, "
                                    "NroArticulo, Porcentaje, ImporteExentoIngresar FROM "
                                    "[617LicenciasTotalLicencias]"),
              QStringList{"0|0|0|0|0|0"});
    EXPECT_TRUE(leida.Totales.EstaVacio());

    struct Caso {
        const char* descuentos;
        int exencion;
        const char* numero;
        const char* articulo;
        const char* porcentaje;
        const char* exento;
        const char* problema;  // from reading the boxes, then from the tax
    };
    const Caso casos[] = {
        {"-1", 0, "", "", "", "",
         "El importe de Descuentos y Bonificaciones debe ser un número no negativo con hasta "
         "dos decimales."},
        {"10000,01", 0, "", "", "", "", "Los Descuentos y Bonificaciones no pueden superar la Facturación Bruta."},
        {"1000", 2, "123456", "1", "50", "1", "El Número debe ser un número entero de hasta 5 cifras."},
        {"1000", 2, "12", "1000", "50", "1", "El Número de Artículo debe ser un número entero de hasta 3 cifras."},
        {"1000", 2, "12", "3", "100,01", "1",
         "El Porcentaje debe ser un número entre 0 y 100 con hasta dos "
         "decimales."},
        {"1000", 2, "12", "3", "50", "x", "El importe exento debe ser un número no negativo con hasta dos decimales."},
        {"1000", 2, "12", "3", "50", "451", "El Importe exento a ingresar es inválido"},
        {"1000", 2, "12", "3", "50", "300", ""},
    };
    for (const Caso& caso : casos) {
        LecturaTotales lectura = leerTotales(10000, QString::fromLatin1(caso.descuentos), caso.exencion,
                                             QString::fromLatin1(caso.numero), QString::fromLatin1(caso.articulo),
                                             QString::fromLatin1(caso.porcentaje), QString::fromLatin1(caso.exento));
        lectura.totales.Alicuota = leida.Totales.Alicuota;
        const QString problema = lectura.problema.isEmpty() ? lectura.totales.ValidarTotales(10000) : lectura.problema;
        EXPECT_EQ(problema, QString::fromUtf8(caso.problema)) << caso.problema;
        if (problema.isEmpty())
            lectura.totales.GuardarDatos(sesion.base, sesion.declaracion, codigo);
    }
    leida = licencia(codigo);
    EXPECT_EQ(QStringLiteral("%1 %2 %3")
                  .arg(leida.Totales.SubTotal(10000))
                  .arg(leida.Totales.ImpuestoIngresar(10000))
                  .arg(leida.Totales.ImporteExentoIngresar),
              "9000 450 300");

    // Without an exemption its figures are stored as 0; discounts above the billing leave a subtotal of 0.
    leida.Totales.ExencionesOtorgadas = 0;
    leida.Totales.DescuentosBonificaciones = 20000;
    leida.Totales.GuardarDatos(sesion.base, sesion.declaracion, codigo);
    EXPECT_EQ(test::filasDeConsulta(sesion.base,
                                    "SELECT DescuentosBonificaciones, ExencionesOtorgadas, Numero, "
                                    "NroArticulo, Porcentaje, ImporteExentoIngresar FROM "
                                    "[617LicenciasTotalLicencias]"),
              QStringList{"20000|0|0|0|0|0"});
    EXPECT_EQ(licencia(codigo).Totales.SubTotal(10000), 0);
}

TEST_F(Formulario617Prueba, ElTotalSumaLasLicenciasConConceptosYNombraLasQueNoPuedeLiquidar)
{
    // Cable at 5 %: 10000 less 1000 of discounts gives 450, 300 of it exempt; open television at 8 %: 1250 gives 100.
    const qint64 cable = test::agregarLicencia617(sesion, QStringLiteral("Cable Sur"), 2);
    test::agregarConcepto617(sesion, cable, 100, 6000);
    test::agregarConcepto617(sesion, cable, 109, 4000);
    test::guardarTotales617(sesion, cable, 1000, 2, 300);
    const qint64 abierta = test::agregarLicencia617(sesion, QStringLiteral("Canal 9"), 1);
    test::agregarConcepto617(sesion, abierta, 116, 1250);
    test::guardarTotales617(sesion, abierta, 0);
    const qint64 sinConceptos = test::agregarLicencia617(sesion, QStringLiteral("Sin conceptos"), 1);
    test::guardarTotales617(sesion, sinConceptos, 0, 1, 50);  // adds nothing

    Liquidacion617 liquidacion = Liquidacion617::calcular(sesion.base, sesion.declaracion);
    EXPECT_EQ(liquidacion.total.TotalAPagar, 250);
    EXPECT_TRUE(liquidacion.admitePresentacion());
    EXPECT_EQ(liquidacion.numeroVerificacion.size(), 6);

    // The printed form: the television block, the licence rows and the declaration's data.
    ConfiguracionReporte reporte = liquidacion.formularioImpreso(sesion);
    QStringList formulas;
    for (const auto& [indice, texto] : reporte.formulas())
        if (!texto.isEmpty())
            formulas += QString::number(indice) + ' ' + texto;
    EXPECT_EQ(formulas.mid(1, 2), QStringList({"1 periodo='03/2005'", "2 secuencia='0 - Original'"}));
    EXPECT_EQ(formulas.mid(5),
              QStringList({"5 NVerif='" + liquidacion.numeroVerificacion + "'", "6 version='" + versionImpresa() + "'",
                           "10 TPublicidadTV='6.000,00'", "11 TAbonosTV='4.000,00'", "12 TProgramasTV='1.250,00'",
                           "13 TOtrosTV='0,00'", "14 FacturacionTV='11.250,00'", "15 DescuentoTV='1.000,00'",
                           "16 IDeterminadoTV='550,00'", "17 ExcencionesTV='300,00'", "18 TotalTV='250,00'"}));
    ASSERT_TRUE(reporte.filas);
    EXPECT_EQ(reporte.filas->size(), 2u);
    EXPECT_EQ(QStringList({reporte.filas->at(0)[2].second, reporte.filas->at(0)[9].second}),
              QStringList({"02", "150,00"}));

    // A radio declaration fills the radio block; a rectifying one says so; an exempt amount above the taxes prints
    // a total of zero.
    test::crearDeclaracion617(sesion, 200503, 307, 2);
    const qint64 am = test::agregarLicencia617(sesion, QStringLiteral("AM 750"), 6);
    test::agregarConcepto617(sesion, am, 101, 100);
    test::guardarTotales617(sesion, am, 0, 3, 9);
    liquidacion = Liquidacion617::calcular(sesion.base, sesion.declaracion);
    reporte = liquidacion.formularioImpreso(sesion);
    EXPECT_EQ(liquidacion.total.TotalAPagar, 5 - 9);
    EXPECT_EQ(QStringList({reporte.formulas().at(2), reporte.formulas().at(16), reporte.formulas().at(18)}),
              QStringList({"secuencia='2 - Rectificativa'", "IDeterminadoRA='5,00'", "TotalRA='0,00'"}));

    // A licence without its totals, or whose service type is not in force, stays out of the total and is named.
    sesion.base.execute(QStringLiteral("DELETE FROM [617LicenciasTotalLicencias] WHERE CodigoLicencia=1"));
    const qint64 antena = test::agregarLicencia617(sesion, QStringLiteral("Antena"), 6);
    test::agregarConcepto617(sesion, antena, 100, 1000);
    test::guardarTotales617(sesion, antena, 0);
    sesion.base.execute(QStringLiteral("UPDATE [617Licencias] SET TipoServicio=99 WHERE CodigoLicencia=2"));
    liquidacion = Liquidacion617::calcular(sesion.base, sesion.declaracion);
    EXPECT_EQ(liquidacion.total.TotalAPagar, 0);
    EXPECT_FALSE(liquidacion.admitePresentacion());
    EXPECT_EQ(liquidacion.motivoSinPresentacion(),
              "La licencia 1 (AM 750) no tiene cargado su Total por Licencias.\n"
              "La licencia 2 (Antena) tiene un tipo de servicio (99) sin alícuota vigente en el período 03/2005.");
}
