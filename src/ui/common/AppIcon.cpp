#include "ui/common/AppIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon AppIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64}) {
            QPixmap pm(size, size);
            pm.fill(Qt::transparent);
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(QColor(0, 0, 128));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
            p.setBrush(QColor(192, 220, 192));
            p.drawEllipse(QRectF(size * 0.18, size * 0.18, size * 0.64, size * 0.64));
            QFont f;
            f.setBold(true);
            f.setPixelSize(int(size * 0.5));
            p.setFont(f);
            p.setPen(QColor(0, 0, 128));
            p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("L"));
            p.end();
            i.addPixmap(pm);
        }
        return i;
    }();
    return icon;
}
