#pragma once
// The pages of the Internet Links menu, selected by the menu item's tag.

#include <QString>

// The address of the page that the Internet Links item with this tag opens:
// 50 FIFA, 51..54 the tournament's pages, 1..32 the national associations in
// team-number order. Empty for the disabled associations and any other tag.
QString WebLinkAddress(int tag);
