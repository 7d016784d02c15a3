#pragma once

#include <QIcon>
#include <QPixmap>

/** @brief The number of pictures in the window's image list. */
inline constexpr int ImageListCount = 15;

/**
 * @brief Picture `index` (0 to 14) of the window's image list, 16 x 16, drawn in code: 0 cut, 1 copy,
 * 2 paste, 3 undo, 4 delete, 5 find, 6 new, 7 open, 8 save, 9 print, 10 help, 11 information,
 * 12 exit, 13 cascade, 14 tile. An index outside the list gives an empty pixmap.
 */
QPixmap imageListPicture(int index);
QIcon imageListIcon(int index);

/** @brief The arrow pictures of the two table-transfer buttons. */
QIcon leftArrowIcon();
QIcon rightArrowIcon();
