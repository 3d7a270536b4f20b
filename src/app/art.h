#pragma once

#include <QIcon>
#include <QPixmap>

// The program's bitmaps, carried in its resources (drawn by art/draw_art.cpp).

/// The product logo: 320 by 60, 32 bits a pixel, transparent around the name.
QPixmap productLogo();
/// The maker banner: 480 by 30, 24 bits a pixel, light gray capitals on white.
QPixmap makerBanner();
/// The program icon: 32 by 32 in 16 colours.
QIcon programIcon();
