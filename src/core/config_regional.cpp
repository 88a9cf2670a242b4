#include "core/config_regional.h"

#include <QLocale>

namespace veluma {

void ConfigurarSeparadores()
{
    QLocale local(QLocale::Spanish, QLocale::Argentina);
    local.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(local);
}

}  // namespace veluma
