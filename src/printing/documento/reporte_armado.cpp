#include "printing/documento/reporte_armado.h"

#include "printing/configuracion_reporte.h"
#include "printing/reporte.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace veluma {

namespace {

constexpr int kPuntosPorPulgada = 600;

// Text is measured on this device, whatever screen or printer comes later.
QImage& dispositivoDeMedida()
{
    static QImage medida = [] {
        QImage imagen(1, 1, QImage::Format_Mono);
        const int puntosPorMetro = qRound(kPuntosPorPulgada / 0.0254);
        imagen.setDotsPerMeterX(puntosPorMetro);
        imagen.setDotsPerMeterY(puntosPorMetro);
        return imagen;
    }();
    return medida;
}

}  // namespace

ReporteArmado::ReporteArmado(const QString& html, const QString& titulo)
    : documento_(std::make_unique<QTextDocument>()), titulo_(titulo)
{
    documento_->documentLayout()->setPaintDevice(&dispositivoDeMedida());
    documento_->setDocumentMargin(0);
    documento_->setHtml(html);
    documento_->setPageSize(disenoDePagina().paintRect(QPageLayout::Inch).size() * kPuntosPorPulgada);
}

ReporteArmado::ReporteArmado(ReporteArmado&&) noexcept = default;
ReporteArmado& ReporteArmado::operator=(ReporteArmado&&) noexcept = default;
ReporteArmado::~ReporteArmado() = default;

QPageLayout ReporteArmado::disenoDePagina()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

bool ReporteArmado::pintar(QPagedPaintDevice& destino) const
{
    if (!destino.setPageLayout(disenoDePagina()))
        return false;
    QPainter pintor;
    if (!pintor.begin(&destino))
        return false;
    const QSizeF pagina = documento_->pageSize();
    const qreal escalaX = destino.logicalDpiX() / qreal(kPuntosPorPulgada);
    const qreal escalaY = destino.logicalDpiY() / qreal(kPuntosPorPulgada);
    for (int numero = 0; numero < documento_->pageCount(); ++numero) {
        if (numero > 0 && !destino.newPage())
            return false;
        const QRectF hoja(QPointF(0, numero * pagina.height()), pagina);
        pintor.save();
        pintor.scale(escalaX, escalaY);
        pintor.translate(0, -hoja.top());
        documento_->drawContents(&pintor, hoja);
        pintor.restore();
    }
    return pintor.end();
}

int paginas(const ReporteArmado& reporte) { return reporte.documento().pageCount(); }

ReporteArmado armarReporte(const ConfiguracionReporte& configuracion, Database& abierta)
{
    return ReporteArmado(htmlDelReporte(configuracion, abierta), configuracion.titulo);
}

}  // namespace veluma
