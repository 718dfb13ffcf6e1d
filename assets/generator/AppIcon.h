#pragma once
// The application icon at any size, for the pictures that show the program itself.

#include <QImage>

QImage drawAppIcon(int size);
