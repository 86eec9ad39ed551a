#include "platform/gui/qb_colors.h"

namespace halcyra {

QColor QBColor(int index) { return QColor::fromRgb(static_cast<QRgb>(QBColorRgb(index))); }

}  // namespace halcyra
