#include "pantallas/iconos.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace veluma {

namespace {

// Everything is drawn on a 32 by 32 grid. Outlines are two units wide on odd
// coordinates, so they fall on whole pixels at 16 and 32 pixels.
constexpr qreal kGrilla = 32;

const QColor kTinta(0x2b, 0x3a, 0x4a);
const QColor kPapel(0xff, 0xff, 0xff);
const QColor kPliegue(0xd5, 0xdb, 0xe1);
const QColor kGris(0x8a, 0x94, 0x9e);
const QColor kGrisClaro(0xe4, 0xe7, 0xea);
const QColor kGrisOscuro(0x5d, 0x6b, 0x79);
const QColor kVerde(0x2e, 0x8b, 0x3e);
const QColor kRojo(0xc0, 0x39, 0x2b);
const QColor kRojoClaro(0xf6, 0xdc, 0xd8);
const QColor kAzul(0x1f, 0x4e, 0x8c);
const QColor kAzulClaro(0xd6, 0xe4, 0xf5);
const QColor kDorado(0xf2, 0xc1, 0x4e);
const QColor kMadera(0xf1, 0xd9, 0xb5);
const QColor kPuerta(0x8a, 0x6a, 0x45);
const QColor kCarpeta(0xe3, 0xb0, 0x4b);
const QColor kCarpetaClara(0xf3, 0xcd, 0x72);
const QColor kCarpetaBorde(0xa8, 0x7a, 0x22);

using Dibujo = void (*)(QPainter&);

QPen trazo(const QColor& color, qreal ancho) { return QPen(color, ancho, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void pluma(QPainter& p, const QColor& color, qreal ancho, const QBrush& relleno = Qt::NoBrush)
{
    p.setPen(trazo(color, ancho));
    p.setBrush(relleno);
}

void poligono(QPainter& p, std::initializer_list<QPointF> puntos) { p.drawPolygon(QPolygonF(puntos)); }

// The same drawing facing the other way.
void espejo(QPainter& p, Dibujo dibujo)
{
    p.save();
    p.translate(kGrilla, 0);
    p.scale(-1, 1);
    dibujo(p);
    p.restore();
}

// A sheet of paper with its top right corner folded.
void hoja(QPainter& p, const QRectF& r, const QColor& relleno = kPapel, const QColor& borde = kTinta)
{
    const qreal pliegue = r.width() / 3;
    pluma(p, borde, 2, relleno);
    poligono(p, {r.topLeft(), {r.right() - pliegue, r.top()}, {r.right(), r.top() + pliegue}, r.bottomRight(),
                 r.bottomLeft()});
    pluma(p, borde, 1.5, kPliegue);
    poligono(p, {{r.right() - pliegue, r.top()}, {r.right() - pliegue, r.top() + pliegue},
                 {r.right(), r.top() + pliegue}});
}

void renglones(QPainter& p, qreal izquierda, qreal derecha, std::initializer_list<qreal> alturas, const QColor& color)
{
    pluma(p, color, 2);
    for (qreal y : alturas)
        p.drawLine(QPointF(izquierda, y), QPointF(derecha, y));
}

// A magnifying glass with its handle towards the bottom right.
void lupa(QPainter& p, const QPointF& centro, qreal radio)
{
    const qreal diagonal = 0.7071;
    pluma(p, kTinta, radio * 0.55);
    p.drawLine(centro + QPointF(radio, radio) * diagonal, centro + QPointF(radio, radio) * 1.55);
    pluma(p, kTinta, 2.5, QColor(kAzulClaro.red(), kAzulClaro.green(), kAzulClaro.blue(), 215));
    p.drawEllipse(centro, radio, radio);
}

void papelera(QPainter& p)
{
    pluma(p, kRojo, 2.5);
    p.drawPolyline(QPolygonF({{13, 8}, {13, 5}, {19, 5}, {19, 8}}));
    p.drawLine(QPointF(6, 8), QPointF(26, 8));
    pluma(p, kRojo, 2, kRojoClaro);
    poligono(p, {{8, 11}, {24, 11}, {22.5, 28}, {9.5, 28}});
    pluma(p, kRojo, 2);
    for (qreal x : {13, 16, 19})
        p.drawLine(QPointF(x, 14), QPointF(x, 25));
}

// Pointing right, filling the grid.
void flecha(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kAzul);
    poligono(p, {{4, 12}, {16, 12}, {16, 5}, {28, 16}, {16, 27}, {16, 20}, {4, 20}});
}

// Pointing right to a bar at the right edge.
void flechaABarra(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kAzul);
    poligono(p, {{3, 12}, {12, 12}, {12, 5}, {22, 16}, {12, 27}, {12, 20}, {3, 20}});
    p.drawRect(QRectF(24, 5, 4, 22));
}

void carpetaTrasera(QPainter& p)
{
    pluma(p, kCarpetaBorde, 1.5, kCarpeta);
    poligono(p, {{3, 7}, {12, 7}, {15, 10}, {29, 10}, {29, 27}, {3, 27}});
}

void aceptar(QPainter& p)
{
    pluma(p, kVerde, 5);
    p.drawPolyline(QPolygonF({{6, 17}, {13, 24}, {26, 9}}));
}

void cancelar(QPainter& p)
{
    pluma(p, kRojo, 5);
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
}

void agregar(QPainter& p)
{
    hoja(p, QRectF(5, 3, 18, 24));
    pluma(p, kVerde, 1, kVerde);
    p.drawEllipse(QPointF(23, 23), 8, 8);
    pluma(p, kPapel, 3);
    p.drawLine(QPointF(19, 23), QPointF(27, 23));
    p.drawLine(QPointF(23, 19), QPointF(23, 27));
}

void modificar(QPainter& p)
{
    p.translate(16, 16);
    p.rotate(-45);
    pluma(p, kTinta, 1.5, kDorado);
    p.drawRect(QRectF(-7, -4, 17, 8));
    p.setBrush(kGris);
    p.drawRect(QRectF(10, -4, 4, 8));
    p.setBrush(kMadera);
    poligono(p, {{-7, -4}, {-14, 0}, {-7, 4}});
    p.setBrush(kTinta);
    poligono(p, {{-11.5, -1.6}, {-14, 0}, {-11.5, 1.6}});
}

void eliminar(QPainter& p) { papelera(p); }

void eliminarTodos(QPainter& p)
{
    p.save();
    p.translate(6, 2);
    p.scale(0.85, 0.85);
    papelera(p);
    p.restore();
    pluma(p, kRojo, 3);
    for (qreal y : {10, 17, 24})
        p.drawLine(QPointF(2, y), QPointF(7, y));
}

void detallar(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kAzul);
    for (qreal y : {5, 11, 17})
        p.drawRect(QRectF(3, y, 3, 3));
    renglones(p, 9, 25, {6.5, 12.5, 18.5}, kTinta);
    lupa(p, QPointF(19, 19), 6);
}

void anterior(QPainter& p) { espejo(p, flecha); }
void siguiente(QPainter& p) { flecha(p); }
void alFinal(QPainter& p) { flechaABarra(p); }
void alInicio(QPainter& p) { espejo(p, flechaABarra); }

void importar(QPainter& p)
{
    pluma(p, kTinta, 2, kGrisClaro);
    poligono(p, {{3, 19}, {9, 19}, {11, 23}, {21, 23}, {23, 19}, {29, 19}, {29, 29}, {3, 29}});
    p.setPen(Qt::NoPen);
    p.setBrush(kVerde);
    poligono(p, {{13, 2}, {19, 2}, {19, 10}, {24, 10}, {16, 19}, {8, 10}, {13, 10}});
}

void salir(QPainter& p)
{
    pluma(p, kTinta, 2, kGrisClaro);
    p.drawRect(QRectF(5, 3, 14, 26));
    pluma(p, kTinta, 1.5, kPuerta);
    poligono(p, {{5, 3}, {14, 6}, {14, 31}, {5, 29}});
    p.setPen(Qt::NoPen);
    p.setBrush(kDorado);
    p.drawEllipse(QPointF(12, 17), 1.2, 1.2);
    p.setBrush(kVerde);
    poligono(p, {{16, 13}, {23, 13}, {23, 8}, {30, 16}, {23, 24}, {23, 19}, {16, 19}});
}

void copiar(QPainter& p)
{
    hoja(p, QRectF(3, 3, 16, 20));
    hoja(p, QRectF(13, 9, 16, 20));
    renglones(p, 16, 26, {19, 23}, kGris);
}

void consultar(QPainter& p) { lupa(p, QPointF(13, 13), 8.5); }

void generar(QPainter& p)
{
    QPainterPath rueda;
    rueda.addEllipse(QPointF(16, 16), 10, 10);
    for (int diente = 0; diente < 8; ++diente) {
        QPainterPath forma;
        forma.addRect(QRectF(-3, -14, 6, 6));
        rueda = rueda.united(QTransform().translate(16, 16).rotate(diente * 45).map(forma));
    }
    QPainterPath eje;
    eje.addEllipse(QPointF(16, 16), 4, 4);
    pluma(p, kTinta, 1.5, kGrisOscuro);
    p.drawPath(rueda.subtracted(eje));
}

void formulario(QPainter& p)
{
    hoja(p, QRectF(5, 3, 22, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(kAzul);
    p.drawRect(QRectF(8, 6, 11, 4));
    pluma(p, kGris, 1, kAzulClaro);
    for (qreal y : {13, 18, 23})
        p.drawRect(QRectF(8.5, y + 0.5, 15, 3));
}

void imprimir(QPainter& p)
{
    pluma(p, kTinta, 2, kPapel);
    p.drawRect(QRectF(9, 3, 14, 10));
    pluma(p, kTinta, 2, kGris);
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
    pluma(p, kTinta, 2, kPapel);
    p.drawRect(QRectF(8, 19, 16, 10));
    renglones(p, 11, 21, {23}, kGris);
    renglones(p, 11, 17, {26}, kGris);
    p.setPen(Qt::NoPen);
    p.setBrush(kVerde);
    p.drawEllipse(QPointF(25.5, 15), 1.5, 1.5);
}

void cerrado(QPainter& p)
{
    carpetaTrasera(p);
    pluma(p, kCarpetaBorde, 1.5, kCarpetaClara);
    p.drawRect(QRectF(3, 13, 26, 14));
}

void abierto(QPainter& p)
{
    carpetaTrasera(p);
    pluma(p, kGris, 1.5, kPapel);
    p.drawRect(QRectF(7, 11, 19, 10));
    pluma(p, kCarpetaBorde, 1.5, kCarpetaClara);
    poligono(p, {{9, 16}, {31, 16}, {26, 27}, {3, 27}});
}

void vacio(QPainter& p) { hoja(p, QRectF(7, 3, 18, 26), kPapel, kGris); }

void lleno(QPainter& p)
{
    hoja(p, QRectF(7, 3, 18, 26), kAzulClaro);
    renglones(p, 10, 22, {13, 17, 21, 25}, kAzul);
}

struct Imagen {
    const char* clave;
    Dibujo dibujo;
};

constexpr Imagen kImagenes[] = {
    {"aceptar", aceptar}, {"cancelar", cancelar}, {"agregar", agregar}, {"modificar", modificar},
    {"eliminar", eliminar}, {"eliminartodos", eliminarTodos}, {"detallar", detallar}, {"anterior", anterior},
    {"siguiente", siguiente}, {"final", alFinal}, {"inicio", alInicio}, {"importar", importar},
    {"salir", salir}, {"copiar", copiar}, {"consultar", consultar}, {"generar", generar},
    {"formulario", formulario}, {"imprimir", imprimir}, {"cerrado", cerrado}, {"abierto", abierto},
    {"vacio", vacio}, {"lleno", lleno},
};

QPixmap pintar(Dibujo dibujo, int lado)
{
    QPixmap imagen(lado, lado);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.scale(lado / kGrilla, lado / kGrilla);
    dibujo(pintor);
    return imagen;
}

QIcon crearIcono(Dibujo dibujo)
{
    QIcon icono;
    for (int lado : {16, 24, 32})
        icono.addPixmap(pintar(dibujo, lado));
    return icono;
}

}  // namespace

QIcon imagenIcono(const QString& clave)
{
    static QHash<QString, QIcon> hechos;
    if (const auto hecho = hechos.constFind(clave); hecho != hechos.cend())
        return *hecho;
    for (const Imagen& imagen : kImagenes) {
        if (clave == QLatin1String(imagen.clave))
            return *hechos.insert(clave, crearIcono(imagen.dibujo));
    }
    return QIcon();
}

QStringList clavesIconos()
{
    QStringList claves;
    for (const Imagen& imagen : kImagenes)
        claves += QString::fromLatin1(imagen.clave);
    return claves;
}

}  // namespace veluma
