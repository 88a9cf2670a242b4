#include "exportacion/exportacion_de_prueba.h"

using namespace veluma;

namespace {

// The bytes of a file the export writes: the BOM, then each line and CRLF.
QByteArray csv(std::initializer_list<const char*> lineas)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const char* linea : lineas)
        bytes += QByteArray(linea) + "\r\n";
    return bytes;
}

struct CasoCsv {
    test::DeclaracionExportada declaracion;
    std::vector<std::pair<QString, QByteArray>> esperados;  // file name and bytes, in sheet order
};

const std::vector<CasoCsv>& casos()
{
    static const std::vector<CasoCsv> casos = {
        {{"F708", test::declaracion708},
         {{"DDJJ-Salas.csv",
           csv({"Código;Denominación;Domicilio;Código INCAA", "2;Atlas Flores;Rivadavia 7000;000789",
                "1;Cine Ópera;Av. Corrientes 860;1234", "3;\"Sala \"\"Uno\"\"; Centro\";Mitre 1;555"})},
          {"DDJJ-Entradas.csv",
           csv({"Sala;Código INCAA;Semana;Precio de venta;Entradas vendidas", "Atlas Flores;000789;1;8,00;250",
                "Atlas Flores;000789;2;8,00;10", "Cine Ópera;1234;1;5,50;100", "Cine Ópera;1234;1;10,00;3",
                "Cine Ópera;1234;3;12,75;40", "\"Sala \"\"Uno\"\"; Centro\";555;4;1234,50;2"})},
          {"DDJJ-Pagos a cuenta.csv", csv({"Semana;Importe", "1;10,00", "2;0,00", "3;5,50", "4;0,00"})},
          {"DDJJ-Liquidación.csv", csv({"Concepto;Importe", "Alícuota (%);10,00", "Impuesto determinado;512,63",
                                        "Pagos a cuenta;15,50", "Saldo a ingresar;497,13"})}}},
        {{"F618", test::declaracionDeReferencia618},
         {{"DDJJ-Ingresos.csv",
           csv({"Tipo de ingreso;Fecha;Neto cobrado;Total cobrado", "Ventas;01/02/2004;1000,00;1210,00",
                "Ventas;15/02/2004;250,50;303,11", "Ventas;29/02/2004;99,99;120,99",
                "Alquiler;02/02/2004;300,00;363,00", "Alquiler;28/02/2004;45,25;54,75"})},
          {"DDJJ-Percepciones.csv",
           csv({"Tipo de ingreso;Videogramas;Tasa (%)", "Ventas;12;10,00", "Alquiler;7;12,50"})},
          {"DDJJ-Liquidación.csv",
           csv({"Concepto;Importe", "Neto cobrado por ventas;1350,49", "Total cobrado por ventas;1634,10",
                "Percepción por ventas;135,05", "Neto cobrado por alquiler;345,25", "Total cobrado por alquiler;417,75",
                "Percepción por alquiler;43,16", "Total a depositar;178,21"})}}},
        {{"F617", test::declaracion617},
         {{"DDJJ-Socios.csv",
           csv({"Código;Nombre y apellido;CUIT;Porcentaje", "1;Ávalos, María;27-23456789-1;100,00"})},
          {"DDJJ-Licencias.csv", csv({"Código;Razón social;Domicilio;Tipo de "
                                      "servicio;Inicio de actividades",
                                      "1;\"Radio \"\"La Voz\"\"; Sur\";Av. de "
                                      "Mayo 1370;1;01/05/2001"})},
          {"DDJJ-Detalle de licencias.csv",
           csv({"Licencia;Acto;Número;Fecha", "\"Radio \"\"La Voz\"\"; Sur\";Resolución de "
                                              "licencia;1234;15/03/1999"})},
          {"DDJJ-Conceptos.csv", csv({"Licencia;Tipo de servicio;Concepto;Descripción;Facturación "
                                      "bruta",
                                      "\"Radio \"\"La Voz\"\"; Sur\";1;100;Publicidad comercial en "
                                      "tandas;10000,50",
                                      "\"Radio \"\"La Voz\"\"; Sur\";1;118;Alquiler de estudios, "
                                      "equipos y unidades móviles;300,00"})},
          {"DDJJ-Totales por licencia.csv", csv({"Licencia;Descuentos y "
                                                 "bonificaciones;Exención;Número;Artículo;Porcentaje "
                                                 "exento;Importe exento",
                                                 "\"Radio \"\"La Voz\"\"; Sur\";500,00;1;12;3;0,00;100,00"})},
          {"DDJJ-Liquidación.csv",
           csv({"Concepto;Importe", "Facturación bruta;10300,50", "Descuentos y bonificaciones;500,00",
                "Subtotal;9800,50", "Impuesto;784,04", "Importe exento;100,00", "Total a pagar;684,04"})}}},
    };
    return casos;
}

void PrintTo(const CasoCsv& caso, std::ostream* salida) { *salida << caso.declaracion.nombre; }

class ExportacionCsv : public test::ExportacionDePrueba, public ::testing::WithParamInterface<CasoCsv> {};

TEST_P(ExportacionCsv, CadaHojaEnSuArchivoConLosBytesEsperados)
{
    GetParam().declaracion.preparar(sesion);
    QStringList esperados;
    for (const auto& [nombre, bytes] : GetParam().esperados)
        esperados += ruta(nombre);
    // The extension in any case.
    EXPECT_EQ(exportarDeclaracion(sesion, ruta("DDJJ.CSV")).join('\n'), esperados.join('\n').replace(".csv", ".CSV"));
    for (const auto& [nombre, bytes] : GetParam().esperados) {
        SCOPED_TRACE(nombre.toStdString());
        EXPECT_EQ(leer(ruta(nombre).replace(".csv", ".CSV")).toStdString(), bytes.toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Formularios, ExportacionCsv, ::testing::ValuesIn(casos()),
                         [](const auto& caso) { return std::string(caso.param.declaracion.nombre); });

}  // namespace
