#include "app/art.h"

#include <QString>

// The resources live in a static library: naming their initialiser here keeps
// the linker from dropping them. It may not stand inside a namespace.
static void loadResources() { Q_INIT_RESOURCE(resources); }

namespace {

QPixmap artPixmap(const char* name) {
  loadResources();
  return QPixmap(QStringLiteral(":/art/") + QLatin1StringView(name));
}

}  // namespace

QPixmap productLogo() { return artPixmap("logo.png"); }

QPixmap makerBanner() { return artPixmap("banner.png"); }

QIcon programIcon() { return QIcon(artPixmap("icon.png")); }
