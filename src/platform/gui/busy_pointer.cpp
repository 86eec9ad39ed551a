#include "platform/gui/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace halcyra {

namespace {
bool g_busy = false;
}

void SetBusyPointer(bool busy) {
  if (busy == g_busy) return;
  g_busy = busy;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  if (busy)
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QGuiApplication::restoreOverrideCursor();
}

bool BusyPointerShown() { return g_busy; }

}  // namespace halcyra
