#include "printing/seleccion.h"

#include "core/error.h"

#include <QRegularExpression>

namespace veluma {

namespace {

constexpr int kFormulaNoValida = 5;

class Lector {
public:
    explicit Lector(const QString& formula) : formula_(formula) {}

    std::vector<CondicionSeleccion> condiciones()
    {
        std::vector<CondicionSeleccion> leidas;
        saltarEspacios();
        if (alFinal())
            return leidas;
        for (;;) {
            leidas.push_back(condicion());
            saltarEspacios();
            if (alFinal())
                return leidas;
            palabraAnd();
        }
    }

private:
    CondicionSeleccion condicion()
    {
        const qsizetype llave = pos_;
        exigir(QLatin1Char('{'));
        const qsizetype cierre = formula_.indexOf(QLatin1Char('}'), pos_);
        const QStringList partes = formula_.mid(pos_, cierre - pos_).split(QLatin1Char('.'));
        if (cierre < 0 || partes.size() != 2 || partes[0].trimmed().isEmpty() || partes[1].trimmed().isEmpty()) {
            pos_ = llave;
            fallar();
        }
        pos_ = cierre + 1;
        saltarEspacios();
        exigir(QLatin1Char('='));
        saltarEspacios();
        return {partes[0].trimmed(), partes[1].trimmed(), valor()};
    }

    ValorSeleccion valor()
    {
        if (!alFinal() && formula_[pos_] == QLatin1Char('\''))
            return texto();
        static const QRegularExpression numero(QStringLiteral("[-+]?\\d+(\\.\\d+)?(?![\\w.])"));
        const QRegularExpressionMatch hallado =
            numero.match(formula_, pos_, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!hallado.hasMatch())
            fallar();
        bool bien = false;
        ValorSeleccion leido;
        if (hallado.hasCaptured(1))
            leido = hallado.captured().toDouble(&bien);
        else
            leido = hallado.captured().toLongLong(&bien);
        if (!bien)
            fallar();
        pos_ = hallado.capturedEnd();
        return leido;
    }

    QString texto()
    {
        const qsizetype apertura = pos_;
        QString leido;
        for (++pos_; pos_ < formula_.size(); ++pos_) {
            if (formula_[pos_] != QLatin1Char('\'')) {
                leido += formula_[pos_];
            } else if (pos_ + 1 < formula_.size() && formula_[pos_ + 1] == QLatin1Char('\'')) {
                leido += QLatin1Char('\'');
                ++pos_;
            } else {
                ++pos_;
                return leido;
            }
        }
        pos_ = apertura;
        fallar();
    }

    // "and" must stand alone between two conditions.
    void palabraAnd()
    {
        const qsizetype inicio = pos_;
        if (formula_.mid(pos_, 3).compare(QLatin1String("and"), Qt::CaseInsensitive) != 0)
            fallar();
        pos_ += 3;
        saltarEspacios();
        if (pos_ == inicio + 3)
            fallar();
    }

    void exigir(QChar caracter)
    {
        if (alFinal() || formula_[pos_] != caracter)
            fallar();
        ++pos_;
    }

    void saltarEspacios()
    {
        while (!alFinal() && formula_[pos_].isSpace())
            ++pos_;
    }

    bool alFinal() const { return pos_ >= formula_.size(); }

    [[noreturn]] void fallar() const
    {
        throw Error(kFormulaNoValida, QStringLiteral("La fórmula de selección no es válida en la posición %1: %2")
                                          .arg(pos_ + 1)
                                          .arg(formula_));
    }

    const QString& formula_;
    qsizetype pos_ = 0;
};

}  // namespace

std::vector<CondicionSeleccion> leerSeleccion(const QString& formula) { return Lector(formula).condiciones(); }

}  // namespace veluma
