#include "ProgramIcon.h"

#include <QBitmap>
#include <QPixmap>

#include "BuiltinBalloons.h"
#include "ColorKey.h"

namespace kiova {

QIcon ProgramIcon() {
    QImage balloon = CharacterBalloonImage();
    QPixmap pixmap = QPixmap::fromImage(balloon);
    pixmap.setMask(QBitmap::fromImage(
        balloon.createMaskFromColor(TransparencyKey(balloon), Qt::MaskOutColor)));
    QIcon fallback(pixmap.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return QIcon::fromTheme(QStringLiteral("org.example.kiova"), fallback);
}

}  // namespace kiova
