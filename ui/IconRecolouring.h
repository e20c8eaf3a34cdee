#pragma once

#include <QIcon>
#include <QRgb>

class QAbstractButton;

// Paints every opaque pixel of the icon in one colour, keeping its alpha.
QIcon recolourIcon(const QIcon& icon, QRgb rgb, const QSize& size);

// Replace the button's icon by its recoloured form, at the button's icon size.
void paintButtonIcon(QAbstractButton* button, QRgb rgb);
void paintButtonIconBlack(QAbstractButton* button);
void paintButtonIconWhite(QAbstractButton* button);

// The image of the file with every pixel's colour inverted, alpha kept.
QIcon invertedIcon(const QString& path);
