#pragma once
// The small pictures beside the captions of the venue and Internet Links
// menus: the host countries' flags on the two host submenus, a thumbnail of
// the venue's picture on each venue item, a football on each national
// association's item.

#include <QIcon>
#include <QString>

constexpr int MenuPictureSize = 16;

// The picture of a menu item, by the item's name ("Korea1", "Busan1",
// "Belgium1" ...); a null icon for items without one.
QIcon MenuPicture(const QString &menuItem);
