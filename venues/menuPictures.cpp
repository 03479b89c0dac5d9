#include "venues/menuPictures.h"

#include "core/i18n/names.h"
#include "venues/stadiums.h"

#include <QAction>
#include <QImageReader>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap Blank()
{
  QPixmap pixmap(MenuPictureSize, MenuPictureSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// A flag of the proportions 3:2, centred: white with a disc in the middle;
// South Korea's disc is red over blue with a dark bar in each corner.
QIcon HostFlag(int host)
{
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF flag(0.5, 2.5, 15, 10);
  p.setPen(QColor(150, 150, 150));
  p.setBrush(Qt::white);
  p.drawRect(flag);
  const QRectF disc(flag.center().x() - 3, flag.center().y() - 3, 6, 6);
  p.setPen(Qt::NoPen);
  if (host == 1) {
    p.setBrush(QColor(188, 0, 45));
    p.drawEllipse(disc);
    return QIcon(pixmap);
  }
  p.setBrush(QColor(205, 46, 58));
  p.drawChord(disc, 0, 180 * 16);
  p.setBrush(QColor(0, 71, 160));
  p.drawChord(disc, 180 * 16, 180 * 16);
  p.setBrush(Qt::black);
  for (const QPointF &corner : {QPointF(3, 5), QPointF(12, 5), QPointF(3, 10), QPointF(12, 10)})
    p.drawRect(QRectF(corner.x() - 1, corner.y() - 1, 2, 2));
  return QIcon(pixmap);
}

// The centre square of the venue's picture, scaled down. The picture is
// decoded straight at the small size, which keeps the start-up quick.
QIcon VenueThumbnail(const TStadium &stadium)
{
  QImageReader reader(StadiumPicturePath(stadium));
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty())
    return QIcon();
  // Its shorter side scaled to the menu's picture size, then the centre square.
  reader.setScaledSize(size.scaled(MenuPictureSize, MenuPictureSize, Qt::KeepAspectRatioByExpanding));
  const QImage scaled = reader.read();
  if (scaled.isNull())
    return QIcon();
  const QRect square((scaled.width() - MenuPictureSize) / 2, (scaled.height() - MenuPictureSize) / 2,
                     MenuPictureSize, MenuPictureSize);
  return QIcon(QPixmap::fromImage(scaled.copy(square)));
}

// A white ball with a dark patch in the middle and at its rim.
QIcon DrawFootball()
{
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF ball(1.5, 1.5, 13, 13);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(Qt::white);
  p.drawEllipse(ball);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 40));
  const QPointF c = ball.center();
  p.drawPolygon(QPolygonF{c + QPointF(0, -2.6), c + QPointF(2.5, -0.8), c + QPointF(1.6, 2.1),
                          c + QPointF(-1.6, 2.1), c + QPointF(-2.5, -0.8)});
  p.setBrush(QColor(90, 90, 90));
  p.drawChord(ball, 60 * 16, 60 * 16);
  p.drawChord(ball, 240 * 16, 60 * 16);
  return QIcon(pixmap);
}

QIcon Football()
{
  static const QIcon ball = DrawFootball();
  return ball;
}

}  // namespace

QIcon MenuPicture(const QString &menuItem)
{
  if (menuItem == QLatin1String("Korea1"))
    return HostFlag(0);
  if (menuItem == QLatin1String("Japan2"))
    return HostFlag(1);
  for (int i = 0; i < StadiumCount; ++i)
    if (menuItem == QLatin1String(StadiumAt(i).menuItem))
      return VenueThumbnail(StadiumAt(i));
  // The associations' items are named after the English team names.
  for (int team = 1; team <= TeamCount; ++team)
    if (menuItem == TeamNameIn(LangEnglish, team).remove(QLatin1Char(' ')) + QLatin1Char('1'))
      return Football();   // painted once, shared by the 32 items
  return QIcon();
}

void SetPicturesOnFirstOpen(QMenu *menu)
{
  QObject::connect(
      menu, &QMenu::aboutToShow, menu,
      [menu] {
        for (QAction *item : menu->actions()) {
          const QIcon picture = MenuPicture(item->objectName());
          if (!picture.isNull())
            item->setIcon(picture);
        }
      },
      Qt::SingleShotConnection);
}
