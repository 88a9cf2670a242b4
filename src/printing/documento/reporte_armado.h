#pragma once

#include <QPageLayout>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace veluma {

class ConfiguracionReporte;
class Database;

// A report laid out on A4 portrait pages with 15 mm margins. The pages are
// laid out once, at a fixed resolution, so the page count known before
// printing is the count every printer, the preview and the PDF get.
class ReporteArmado {
public:
    ReporteArmado(const QString& html, const QString& titulo);
    ReporteArmado(ReporteArmado&&) noexcept;
    ReporteArmado& operator=(ReporteArmado&&) noexcept;
    ~ReporteArmado();

    static QPageLayout disenoDePagina();

    const QString& titulo() const { return titulo_; }
    const QTextDocument& documento() const { return *documento_; }

    // Gives `destino` the report's page layout and paints every page on it.
    // False when the device refuses the layout or the painting.
    bool pintar(QPagedPaintDevice& destino) const;

private:
    std::unique_ptr<QTextDocument> documento_;
    QString titulo_;
};

// The report's page count.
int paginas(const ReporteArmado& reporte);

// Reads and lays out the report the settings describe (see htmlDelReporte).
// Throws Error.
ReporteArmado armarReporte(const ConfiguracionReporte& configuracion, Database& abierta);

}  // namespace veluma
