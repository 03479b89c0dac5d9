#pragma once
// The small pictures beside the captions of the venue and Internet Links
// menus: the host countries' flags on the two host submenus, a thumbnail of
// the venue's picture on each venue item, a football on each national
// association's item.

#include <QIcon>
#include <QString>

class QMenu;

constexpr int MenuPictureSize = 16;

// The picture of a menu item, by the item's name ("Korea1", "Busan1",
// "Belgium1" ...); a null icon for items without one.
QIcon MenuPicture(const QString &menuItem);

// Gives the menu's items their pictures just before the menu first opens:
// decoding the venues' pictures is most of what building the menu costs,
// and a run that never opens the menu needs none of them.
void SetPicturesOnFirstOpen(QMenu *menu);
