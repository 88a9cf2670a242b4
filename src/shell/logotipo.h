#pragma once

#include <QIcon>
#include <QPixmap>

namespace veluma {

// The program's mark, drawn rather than shipped so it is crisp at any size.
QPixmap logotipo(int lado);
QIcon iconoPrograma();

}  // namespace veluma
