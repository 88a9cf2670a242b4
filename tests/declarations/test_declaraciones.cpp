#include "core/clave.h"
#include "core/database.h"
#include "core/fechas.h"
#include "declarations/contribuyente.h"
#include "declarations/ddjj.h"
#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"
#include "declarations/secciones.h"
#include "declarations/validacion_ddjj.h"
#include "support/archivos.h"
#include "support/errores.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <QFile>
#include <optional>

using namespace veluma;

namespace {

const QString kCuit = QStringLiteral("30-70451826-5");
const QString kMes = QStringLiteral("Debe especificar el Mes del Período Fiscal");
const QString kAnio = QStringLiteral("Debe especificar el Año del Período Fiscal");
const QString k1294 = QStringLiteral("El Periodo Fiscal no puede ser inferior al 12/1994");
const QString k0194 = QStringLiteral("El Periodo Fiscal no puede ser inferior al 01/1994");
const QString kAlicuota = QStringLiteral("La Alícuota debe ser un número entre 0 y 100, con hasta dos decimales");

const Formulario& formulario(int numero)
{
    registrarFormularios();
    return formularioDe(numero);
}

// A host address; a null pointer is a NULL column.
struct Domicilio {
    const char* calle = nullptr;
    const char* nro = nullptr;
    std::optional<int> tipobarrio = std::nullopt;
    const char* localidad = nullptr;
    std::optional<int> codprov = std::nullopt;
    const char* codpostal = nullptr;
};

// A column of the fixed-width block.
QString ancho(const QString& valor, int columnas) { return valor.leftJustified(columnas); }

// The declarations of a fresh installation: the host's taxpayers, the DDJJ rows and the rows of each form.
class Declaraciones : public test::SesionDePrueba {
protected:
    clsContribuyente inicializado(const QString& cuit)
    {
        clsContribuyente contribuyente(instalacion.instalacion(), textoClave());
        contribuyente.Inicializar(cuit);
        return contribuyente;
    }

    // A host taxpayer of our own, with one activity of the given kind and, when given, a fiscal address marked as
    // the host's engine marks it, with -1.
    void agregarContribuyente(int ncontrib, const QString& cuit, const QString& tipoActividad,
                              std::optional<Domicilio> fiscal = {})
    {
        Database kelt = Database::open(instalacion.instalacion().rutaKelt(), contrasenaBase());
        kelt.prepare(QStringLiteral("INSERT INTO contribs (ncontrib, cuit, descrip, mesCierreEjCom, formajuridica, "
                                    "tipopersona) VALUES (?, ?, 'Prueba S.A.', 6, 1, 2)"))
            .bindAll(ncontrib, cuit).run();
        kelt.prepare(QStringLiteral("INSERT INTO actcontrib (ncontrib, codact, TipoAct) VALUES (?, '923100', ?)"))
            .bindAll(ncontrib, tipoActividad).run();
        if (fiscal)
            kelt.prepare(QStringLiteral("INSERT INTO domicilio (ncontrib, domfiscal, calle, nro, tipobarrio, "
                                        "localidad, codprov, codpostal) VALUES (?, -1, ?, ?, ?, ?, ?, ?)"))
                .bindAll(ncontrib, fiscal->calle, fiscal->nro, fiscal->tipobarrio, fiscal->localidad, fiscal->codprov,
                         fiscal->codpostal)
                .run();
    }

    static clsDDJJ ddjj(int periodo, int secuencia, int formulario, const QString& campo1, const QDateTime& hora = {},
                        const QString& cuit = kCuit)
    {
        return {cuit, periodo, secuencia, formulario, campo1, hora};
    }
    void agregar(int periodo, int secuencia, int formulario, const QString& campo1, const QDateTime& hora = {},
                 const QString& cuit = kCuit)
    {
        ASSERT_EQ(ddjj(periodo, secuencia, formulario, campo1, hora, cuit).Agregar(sesion.base), QString());
    }

    // A row of every table of the form for the declaration, carrying `campo1`
    // in the column that repeats it.
    void filasDelFormulario(int periodo, int formulario, const QString& campo1)
    {
        // The value as the column takes it: a number in a number column.
        const auto insertar = [&](const QString& sql, const QVariant& valor = {}) {
            sesion.base.prepare(sql).bindAll(kCuit, periodo, valor.isValid() ? valor : campo1).run();
        };
        if (formulario == 617) {
            for (const char* tabla : {"617CompSocietaria", "617Licencias", "617LicenciasDetalle",
                                      "617LicenciasIngresoConceptos", "617LicenciasTotalLicencias"})
                insertar(QStringLiteral("INSERT INTO [%1] (CUIT, Periodo, Secuencia, ImpServicio) VALUES (?, ?, 0, ?)")
                             .arg(QLatin1String(tabla)), campo1.toInt());
        } else if (formulario == 618) {
            insertar("INSERT INTO [618Ingresos] (CUIT, Periodo, Secuencia, CodInstituto, TipoIngreso, Dia) "
                     "VALUES (?, ?, 0, ?, 1, 5)");
            insertar("INSERT INTO [618TotalPercepcionesEfectuadas] (CUIT, Periodo, Secuencia, CodInstituto) "
                     "VALUES (?, ?, 0, ?)");
        } else {
            insertar("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, COD_INCAA) "
                     "VALUES (?, ?, 0, 1, ?, '1')");
            insertar("INSERT INTO [708ImpuestoDeterminado] (CUIT, PERIODO, SECUENCIA, COD_SALA, NRO_SEMANA, "
                     "PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, ?, 0, 1, 1, 25.5, ?)", campo1.toInt());
            insertar("INSERT INTO [708PagoCuenta] (CUIT, PERIODO, SECUENCIA, SEMANA1, SEMANA2, SEMANA3, SEMANA4) "
                     "VALUES (?, ?, 0, ?, 0, 0, 0)", campo1.toDouble());
        }
    }

    // Every row a declaration of the taxpayer holds, "table|period|value".
    QStringList todasLasFilas()
    {
        QStringList consultas;
        for (const auto& [tabla, columna] :
             {std::pair{"DDJJ", "CAMPO1"}, {"617CompSocietaria", "ImpServicio"}, {"617Licencias", "ImpServicio"},
              {"617LicenciasDetalle", "ImpServicio"}, {"617LicenciasIngresoConceptos", "ImpServicio"},
              {"617LicenciasTotalLicencias", "ImpServicio"}, {"618Ingresos", "CodInstituto"},
              {"618TotalPercepcionesEfectuadas", "CodInstituto"}, {"708Salas", "DENOMINACION_SALA"},
              {"708ImpuestoDeterminado", "CANT_ENTRADAS_POR_PRECIO_VENTA"}, {"708PagoCuenta", "SEMANA1"}})
            consultas += QStringLiteral("SELECT '%1', PERIODO, %2 FROM [%1]")
                             .arg(QLatin1String(tabla), QLatin1String(columna));
        return test::filasDeConsulta(sesion.base, consultas.join(" UNION ALL ") + " ORDER BY 1, 2, 3");
    }

    // The sections of May 2004's declaration that show data, joined by ','.
    QString conDatos(int numero, const QString& campo1 = {}, int secuencia = 0)
    {
        QStringList llenas;
        for (const auto& [seccion, datos] :
             formulario(numero).seccionesConDatos(sesion.base, {sesion.cuit, 200405, secuencia, numero, campo1}))
            if (datos)
                llenas += seccion;
        return llenas.join(',');
    }
    void insertar(const QString& sql) { sesion.base.prepare(sql).bindAll(sesion.cuit).run(); }
};

TEST(FormulariosDDJJ, LaValidacionAcumulaLosMensajesDeCadaFormularioEnSuOrden)
{
    struct Caso {
        int formulario;
        const char *mes, *anio;
        int secuencia;
        QString campo1;
        QString mensaje;
        CampoDDJJ foco;
    };
    const QString mesInvalido = QStringLiteral("El Mes del Período Fiscal debe estar entre 01 y 12");
    const CampoDDJJ enAlicuota = CampoDDJJ::Campo1, ninguno = CampoDDJJ::Ninguno, enMes = CampoDDJJ::Mes;
    const Caso casos[] = {
        // The year line replaces the month line; the period then reads as 0.
        {708, "", "", 0, "10", kAnio + "\r\r" + k0194, CampoDDJJ::Anio},
        {617, "  ", " ", 0, "306", kAnio + "\r\r" + k1294, CampoDDJJ::Anio},
        // An empty month leaves the year alone: 2004 is below any limit.
        {618, "", "2004", 0, "123", kMes + "\r\r" + k1294, CampoDDJJ::Mes},
        {708, "5", "", 0, "", kAnio + "\r\r" + k0194 + "\rDebe especificar la Alícuota", CampoDDJJ::Anio},
        {708, "", "2004", -1, "10", kMes + "\rDebe especificar la Secuencia\r" + k0194, CampoDDJJ::Secuencia},
        {618, "05", "2004", 0, "  ", "Debe ingresar el Código del Instituto", ninguno},
        {708, "12", "1993", 0, "10", k0194, ninguno},         {708, "1", "1994", 0, "10", {}, ninguno},
        {617, "11", "1994", 0, "306", k1294, ninguno},        {618, "12", "1994", 0, "A1", {}, ninguno},
        {708, "13", "2004", 0, "10", mesInvalido, enMes},     {708, "00", "2004", 0, "10", mesInvalido, enMes},
        {708, "05", "2004", 0, "100,01", kAlicuota, enAlicuota}, {708, "05", "2004", 0, "-5", kAlicuota, enAlicuota},
        {708, "05", "2004", 0, "10,555", kAlicuota, enAlicuota}, {708, "05", "2004", 0, "10.5", kAlicuota, enAlicuota},
        {708, "05", "2004", 0, " 21,75 ", {}, ninguno},       {708, "05", "2004", 0, "100", {}, ninguno},
        {618, "05", "2004", 0, QString(21, '9'), "El Código del Instituto no puede tener más de 20 caracteres",
         CampoDDJJ::Campo1},
        {618, "05", "2004", 0, "AB\tC", "El Código del Instituto contiene caracteres no válidos", CampoDDJJ::Campo1},
        {618, "05", "2004", 0, "O'Higgins", {}, ninguno},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2/%3 %4").arg(caso.formulario).arg(caso.mes, caso.anio, caso.campo1)
                         .toStdString());
        const ResultadoValidacion resultado = ValidarDatos(
            formulario(caso.formulario),
            {QString::fromUtf8(caso.mes), QString::fromUtf8(caso.anio), caso.secuencia, caso.campo1});
        EXPECT_EQ(resultado.mensaje, caso.mensaje);
        EXPECT_EQ(resultado.foco, caso.foco);
    }
    EXPECT_EQ(QList<int>({periodoDeTexto("2004", "5"), periodoDeTexto("", "")}), QList<int>({200405, 0}));
}

TEST(FormulariosDDJJ, ElValorSeGuardaComoValLoLeeYSeMuestraComoSeEscribeYUnFormularioQueNoExisteLoDice)
{
    struct Caso {
        int formulario;
        QString escrito, guardado, mostrado;
    };
    for (const Caso& caso : {Caso{708, " 10,5 ", "10.5", "10,50"}, Caso{708, "10,00", "10", "10,00"},
                             Caso{708, "21,75", "21.75", "21,75"}, Caso{618, " 123 ", "123", "123"},
                             Caso{618, " AB 1 ", " AB 1 ", " AB 1 "}, Caso{617, "307", "307", "307"}}) {
        SCOPED_TRACE(caso.escrito.toStdString());
        const QString guardado = formulario(caso.formulario).valorAGuardar(caso.escrito);
        EXPECT_EQ(guardado, caso.guardado);
        EXPECT_EQ(formulario(caso.formulario).mostrarValor(guardado), caso.mostrado);
    }
    // A form that does not exist, or is not settled here, says so.
    EXPECT_EQ(test::errorDe([] { formularioDe(999); }),
              "5: El formulario 999 no existe en esta versión del programa.");
    Sesion sesion{Instalacion::delEjecutable(QStringLiteral("/tmp/veluma"))};
    EXPECT_THROW(formularioDe(618).liquidar(sesion), Error);  // what the user reads is checked with the batch tool
}

TEST_F(Declaraciones, InicializarCopiaLosDatosYElDomicilioYRechazaLoQueFaltaConSuMotivo)
{
    clsContribuyente cines = inicializado(QStringLiteral("30-70451826-5"));
    EXPECT_EQ(QStringLiteral("%1|%2|%3|%4|%5").arg(cines.descripcion(), cines.codactiv()).arg(cines.mescierre())
                  .arg(cines.formajuridica()).arg(cines.tipopersona()),
              "Cines del Plata S.A.|591300|12|1|2");
    // The secondary activity is stored first; the name is longer than any field of ours.
    const clsContribuyente cable = inicializado(QStringLiteral("30708251638"));
    EXPECT_EQ(cable.descripcion() + '|' + cable.codactiv(),
              "Compañía Argentina de Radiodifusión y Televisión por Cable del Litoral S.A.|602200");

    const Instantanea cuentas = cines.ObtenerCBU();
    ASSERT_EQ(cuentas.filas.size(), 2);
    EXPECT_EQ(cuentas.filas[0], QVariantList({qint64(1045), "0110599552000123456781", "Banco de la Nación Argentina",
                                              "Cuenta corriente"}));
    EXPECT_EQ(cuentas.filas[1][1].toString(), "0720154320000003489219");

    for (const QString& cuit : {QStringLiteral("30-70451826-5 "), QStringLiteral("30704518265"), QString()})
        EXPECT_EQ(test::errorDe([&] { inicializado(cuit); }),
                  "3021: El contribuyente con C.U.I.T. " + cuit + " no está registrado en la base de contribuyentes.");
    agregarContribuyente(9001, "20-12345678-6", "Secundaria");
    EXPECT_EQ(test::errorDe([&] { inicializado(QStringLiteral("20-12345678-6")); }),
              "3021: El contribuyente con C.U.I.T. 20-12345678-6 no tiene una actividad principal en la base de "
              "contribuyentes.");

    // The fiscal address as printed and as the fixed-width block.
    EXPECT_EQ(cines.DomicilioFiscal(),
              "Calle: Av. Corrientes Nro: 1530 Torre: 1 Piso: 3 Dto/of/loc: B Manzana: 12 Barrio: BARRIO "
              "Localidad: Capital Federal Provincia: CIUDAD AUTONOMA DE BUENOS AIRES C.P.: C1042AAP");
    EXPECT_EQ(cines.DomicilioSAD(), ancho("AV. CORRIENTES", 20) + ancho("1530", 6) + ancho("A", 5) + ancho("1", 5)
                                        + ancho("3", 5) + ancho("B", 5) + ancho("12", 5) + ancho("SAN NICOLÁS", 20)
                                        + "1" + "CAPITAL FEDERAL" + ancho("CIUDAD AUTÓNOMA DE BUENOS AIRES", 50) + "00"
                                        + "C1042AAP");
    clsContribuyente nandu = inicializado(QStringLiteral("30-69587412-6"));
    EXPECT_EQ(nandu.DomicilioFiscal(),
              "Calle: Belgrano Nro: 455 Barrio: BARRIO Localidad: O'Higgins Provincia: BUENOS AIRES C.P.: 6748");
    EXPECT_EQ(nandu.DomicilioSAD(), ancho("BELGRANO", 20) + ancho("455", 6) + QString(25, ' ') + ancho("CENTRO", 20)
                                        + "1" + ancho("O'HIGGINS", 15) + ancho("CHACABUCO", 50) + "01" + ancho("6748", 8));

    // Without a fiscal address (the demo radio has a postal one only, which does not count) both are empty; empty
    // parts are left out but keep their widths; province 15 is not assigned; a longer street pushes the rest along.
    clsContribuyente radio = inicializado(QStringLiteral("30715482033"));
    EXPECT_EQ(radio.DomicilioFiscal() + radio.DomicilioSAD(), QString());
    agregarContribuyente(9002, "20-12345678-7", "Principal", Domicilio{"Lima"});
    EXPECT_EQ(inicializado(QStringLiteral("20-12345678-7")).DomicilioFiscal(), "Calle: Lima");
    EXPECT_EQ(inicializado(QStringLiteral("20-12345678-7")).DomicilioSAD(), ancho("LIMA", 137) + "00" + QString(8, ' '));
    agregarContribuyente(9003, "20-12345678-8", "PRINCIPAL",
                         Domicilio{"Avenida Gobernador Güemes", " ", 2, "Salta", 15, "4400"});
    clsContribuyente salta = inicializado(QStringLiteral("20-12345678-8"));
    EXPECT_EQ(salta.DomicilioFiscal(), "Calle: Avenida Gobernador Güemes Barrio: BARRIO CERRADO Localidad: Salta C.P.: 4400");
    EXPECT_EQ(salta.DomicilioSAD(), "AVENIDA GOBERNADOR GÜEMES" + QString(6 + 5 * 5 + 20, ' ') + "2" + ancho("SALTA", 15)
                                        + QString(50, ' ') + "15" + ancho("4400", 8));

    const QString sistema = instalacion.instalacion().rutaSistema();
    ASSERT_TRUE(QFile::remove(sistema));
    EXPECT_EQ(test::errorDe([&] { cines.DomicilioFiscal(); }),
              "14: No se encuentra la base de datos del sistema " + sistema + '.');
    EXPECT_EQ(cines.DomicilioSAD().size(), 147);

    const QString kelt = instalacion.instalacion().rutaKelt();
    ASSERT_TRUE(QFile::remove(kelt));
    const auto abrirla = [&] { inicializado({}); };
    EXPECT_EQ(test::errorDe(abrirla), "14: No se encuentra la base de datos de contribuyentes " + kelt + '.');
    test::escribirArchivo(kelt, QByteArray(4096, 'x'));
    EXPECT_EQ(test::errorDe(abrirla), "26: No se puede abrir la base de datos de contribuyentes " + kelt
                                          + ": El archivo no es una base de datos válida o su clave no corresponde.");
}

TEST_F(Declaraciones, CargarOrdenaLasDeclaracionesYCadaSeccionMiraSoloLaDeclaracionYSuValor)
{
    agregar(199412, 0, 708, QStringLiteral("0"));
    agregar(200501, 0, 708, QStringLiteral("0"), QDateTime(QDate(2005, 2, 3), QTime(9, 15, 0)));
    agregar(200412, 2, 708, QStringLiteral("0"));
    agregar(200501, 1, 708, QStringLiteral("0"));
    agregar(200502, 0, 617, QStringLiteral("306"));
    agregar(200503, 0, 708, QStringLiteral("0"), {}, QStringLiteral("30715482033"));

    QStringList vistas;
    for (const FilaDDJJ& fila : ddjj(0, 0, 708, {}).Cargar(sesion.base))
        vistas += QStringLiteral("%1 %2/%3 %4").arg(fila.periodo1).arg(fila.periodo).arg(fila.secuencia)
                      .arg(fechaHoraIso(fila.hora));
    EXPECT_EQ(vistas, (QStringList{"012005 200501/1 ", "012005 200501/0 2005-02-03 09:15:00", "122004 200412/2 ",
                                   "121994 199412/0 "}));

    const QDateTime hora(QDate(2004, 4, 10), QTime(18, 45, 7));
    agregar(200403, 0, 617, QStringLiteral("10,5"), hora);
    agregar(200403, 1, 617, QStringLiteral("10.5"));
    agregar(200404, 0, 617, QStringLiteral("307"));
    agregar(200404, 0, 617, QStringLiteral("306"));

    // Val stops at the comma; of two values, the lowest CAMPO1.
    QList<double> alicuotas;
    for (const auto& [periodo, secuencia] : {std::pair{200403, 0}, {200403, 1}, {200404, 0}, {200405, 0}})
        alicuotas += clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, periodo, secuencia, 617});
    EXPECT_EQ(alicuotas, (QList<double>{10.0, 10.5, 306.0, 0.0}));
    EXPECT_EQ(clsDDJJ::ObtenerHoraDDJJ(sesion.base, {kCuit, 200403, 0, 617}), std::optional<QDateTime>(hora));
    EXPECT_FALSE(clsDDJJ::ObtenerHoraDDJJ(sesion.base, {kCuit, 200403, 1, 617}).has_value());

    // The sections of each form make the manager's tree, checked there.
    insertar(QStringLiteral("INSERT INTO [617CompSocietaria](CUIT, Periodo, Secuencia, ImpServicio, CodigoSocio) "
                            "VALUES (?, 200405, 0, 307, 1)"));
    EXPECT_EQ(conDatos(617, QStringLiteral("307")) + '|' + conDatos(617, QStringLiteral("306")),
              "frm617CompSocietaria|");

    insertar(QStringLiteral("INSERT INTO [708PagoCuenta](CUIT, PERIODO, SECUENCIA, SEMANA1, SEMANA2, SEMANA3, "
                            "SEMANA4) VALUES (?, 200405, 1, 1, 2, 3, 4)"));
    EXPECT_EQ(conDatos(708) + '|' + conDatos(708, {}, 1), "|frm708PagoCuenta");

    insertar(QStringLiteral("INSERT INTO [618TotalPercepcionesEfectuadas](CUIT, Periodo, Secuencia, CodInstituto) "
                            "VALUES (?, 200405, 0, '77')"));
    EXPECT_EQ(conDatos(618, QStringLiteral("77")), "");  // perceptions without incomes
}

TEST_F(Declaraciones, UnDuplicadoSeAvisaAunConOtroValorYLasDemasFallasSeLanzanSinGuardarNada)
{
    agregar(200403, 0, 617, QStringLiteral("306"));
    clsDDJJ repetida = ddjj(200403, 0, 617, QStringLiteral("306"));
    EXPECT_EQ(repetida.Agregar(sesion.base), "La Declaración Jurada que intenta ingresar ya existe.");
    // The other service of the same period is a declaration of its own.
    agregar(200403, 0, 617, QStringLiteral("307"));

    repetida.campo1 = QString(21, QLatin1Char('7'));
    try {
        repetida.Agregar(sesion.base);
        FAIL() << "CAMPO1 de 21 caracteres aceptado";
    } catch (const DbError& error) {
        EXPECT_EQ(error.ruleName(), "CAMPO1:longitud");
    }
    EXPECT_EQ(test::filasDeConsulta(sesion.base, "SELECT CAMPO1 FROM DDJJ ORDER BY 1"), (QStringList{"306", "307"}));

    // Looking before creating tells the user when the declaration exists, whatever its value.
    const QString cuit = QStringLiteral("30'70451826'");  // bound, never pasted into the SQL
    clsDDJJ buscada = ddjj(200403, 0, 708, QStringLiteral("1"), {}, cuit);
    EXPECT_TRUE(buscada.BuscarDDJJ(sesion.base, mensajes));
    agregar(200403, 0, 708, QStringLiteral("0"), {}, cuit);
    EXPECT_FALSE(buscada.BuscarDDJJ(sesion.base, mensajes));
    buscada.Secuencia = 1;
    EXPECT_TRUE(buscada.BuscarDDJJ(sesion.base, mensajes));
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: La Declaración Jurada que intenta ingresar ya existe."});
}

TEST_F(Declaraciones, EliminarBorraLaDeclaracionYSusFilasNadaMasOTodoQuedaSiFallaAMitadDeCamino)
{
    // Each form's rows of two declarations of one period that differ in the
    // form value (708 has none: another period instead).
    struct Caso {
        int formulario;
        QString campo1, otroCampo1;
        int otroPeriodo;
    };
    for (const Caso& caso : {Caso{617, "306", "307", 200403}, Caso{618, "A'12", "B7", 200403},
                             Caso{708, "10", "10", 200404}}) {
        SCOPED_TRACE(caso.formulario);
        agregar(200403, 0, caso.formulario, caso.campo1);
        agregar(caso.otroPeriodo, 0, caso.formulario, caso.otroCampo1);
        filasDelFormulario(200403, caso.formulario, caso.campo1);
        filasDelFormulario(caso.otroPeriodo, caso.formulario, caso.otroCampo1);
        const QStringList antes = todasLasFilas();

        EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, caso.formulario, caso.campo1), QString());
        QStringList quedan = antes;
        quedan.removeIf([&](const QString& fila) { return fila.contains("|200403|" + caso.campo1); });
        EXPECT_EQ(todasLasFilas(), quedan);
        EXPECT_EQ(quedan.size(), antes.size() / 2);
        clsDDJJ::Eliminar(sesion.base, kCuit, caso.otroPeriodo, 0, caso.formulario, caso.otroCampo1);
        EXPECT_TRUE(todasLasFilas().isEmpty());
    }

    agregar(200403, 0, 708, QStringLiteral("10"));
    filasDelFormulario(200403, 708, QStringLiteral("10"));
    const QStringList antes = todasLasFilas();
    sesion.base.execute(QStringLiteral(
        "CREATE TEMP TRIGGER bloqueo BEFORE DELETE ON [708PagoCuenta] BEGIN SELECT RAISE(ABORT, 'bloqueado'); END"));

    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 708, QStringLiteral("10")),
              "Un valor no cumple las reglas de la base de datos. (bloqueado)");
    EXPECT_EQ(todasLasFilas(), antes);
    // No transaction was left open.
    sesion.base.execute(QStringLiteral("DROP TRIGGER bloqueo"));
    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 708, QStringLiteral("10")), QString());
    EXPECT_TRUE(todasLasFilas().isEmpty());
}
}  // namespace
