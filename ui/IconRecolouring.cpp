#include "ui/IconRecolouring.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPixmap>

QIcon recolourIcon(const QIcon& icon, QRgb rgb, const QSize& size)
{
    QPixmap pixmap = icon.pixmap(size, QIcon::Normal, QIcon::Off);
    if (pixmap.isNull())
        return icon;
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), QColor::fromRgb(qRed(rgb), qGreen(rgb), qBlue(rgb)));
    painter.end();
    return QIcon(pixmap);
}

void paintButtonIcon(QAbstractButton* button, QRgb rgb)
{
    button->setIcon(recolourIcon(button->icon(), rgb, button->iconSize()));
}

void paintButtonIconBlack(QAbstractButton* button) { paintButtonIcon(button, 0x000000); }

void paintButtonIconWhite(QAbstractButton* button) { paintButtonIcon(button, 0xFFFFFF); }

QIcon invertedIcon(const QString& path)
{
    QImage image = QPixmap(path).toImage();
    image.invertPixels(QImage::InvertRgb);
    return QIcon(QPixmap::fromImage(image));
}
