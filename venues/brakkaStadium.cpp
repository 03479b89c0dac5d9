#include "venues/brakkaStadium.h"
#include "desktop/windowPlacement.h"

#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "venues/stadiums.h"

#include <QFrame>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {

// The window's client area and the places of its controls.
constexpr int FormWidth = 560;
constexpr int FormHeight = 471;
const QRect NameRect(8, 8, 544, 33);
const QRect PicturePanelRect(95, 49, 369, 257);
const QRect PictureRect(8, 8, 353, 241);
const QRect LeftButtonRect(27, 157, 41, 41);
const QRect RightButtonRect(492, 157, 41, 41);
const QSize ArrowGlyphSize(18, 18);
constexpr int HeadingX = 8, HeadingWidth = 168, ValueX = 184, RowHeight = 25;
constexpr int CityRowY = 316, StadiumRowY = 347, CapacityRowY = 378;
constexpr int LinkWidth = 368, CapacityWidth = 120;
const QRect CloseButtonRect(243, 428, 75, 25);

// Gives a panel of the viewer its name, place, edge and alignment.
template <class TPanel>
TPanel *AddPanel(TPanel *panel, const char *name, const QRect &place, QFrame::Shadow shadow,
                 Qt::Alignment align)
{
  panel->setObjectName(QLatin1String(name));
  panel->setGeometry(place);
  panel->setFrameStyle(QFrame::Panel | shadow);
  panel->setLineWidth(1);
  panel->setAlignment(align);
  panel->setIndent(4);
  panel->setTextFormat(Qt::PlainText);
  return panel;
}

// A filled triangle pointing left or right, for the arrow buttons.
QIcon ArrowGlyph(Qt::ArrowType arrow, const QColor &colour)
{
  QPixmap glyph(ArrowGlyphSize);
  glyph.fill(Qt::transparent);
  QPainter painter(&glyph);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  const qreal w = glyph.width(), h = glyph.height();
  const QPolygonF left{QPointF(w * 0.2, h / 2), QPointF(w * 0.8, h * 0.1), QPointF(w * 0.8, h * 0.9)};
  const QPolygonF right{QPointF(w * 0.8, h / 2), QPointF(w * 0.2, h * 0.1), QPointF(w * 0.2, h * 0.9)};
  painter.drawPolygon(arrow == Qt::LeftArrow ? left : right);
  return QIcon(glyph);
}

}  // namespace

TLinkPanel::TLinkPanel(QWidget *parent) : QLabel(parent)
{
  setCursor(Qt::PointingHandCursor);
  QPalette blue = palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  setPalette(blue);
}

void TLinkPanel::mousePressEvent(QMouseEvent *event)
{
  Pressed = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void TLinkPanel::mouseReleaseEvent(QMouseEvent *event)
{
  const bool click = Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  Pressed = false;
  QLabel::mouseReleaseEvent(event);
  if (click)
    emit clicked();
}

TStadiumForm::TStadiumForm(QWidget *owner, std::function<void(const QString &)> openLink, int language)
    : QDialog(owner), OpenLink(std::move(openLink)), Language(language)
{
  setObjectName(QStringLiteral("StadiumForm"));
  setWindowFlags(FixedDialogFlags(true, true));
  if (owner)
    setFont(owner->font());
  setFixedSize(FormWidth, FormHeight);

  const Qt::Alignment centred = Qt::AlignCenter;
  const Qt::Alignment leftAligned = Qt::AlignLeft | Qt::AlignVCenter;

  StadiumNamePanel = AddPanel(new QLabel(this), "StadiumNamePanel", NameRect, QFrame::Raised, centred);
  QFont bold = font();
  bold.setPixelSize(16);
  bold.setBold(true);
  StadiumNamePanel->setFont(bold);

  CityWebSiteStaticPanel = AddPanel(new QLabel(this), "CityWebSiteStaticPanel",
                                    QRect(HeadingX, CityRowY, HeadingWidth, RowHeight), QFrame::Raised, centred);
  CityWebSitePanel = AddPanel(new TLinkPanel(this), "CityWebSitePanel",
                              QRect(ValueX, CityRowY, LinkWidth, RowHeight), QFrame::Sunken, leftAligned);
  StadiumWebSiteStaticPanel = AddPanel(new QLabel(this), "StadiumWebSiteStaticPanel",
                                       QRect(HeadingX, StadiumRowY, HeadingWidth, RowHeight), QFrame::Raised, centred);
  StadiumWebSitePanel = AddPanel(new TLinkPanel(this), "StadiumWebSitePanel",
                                 QRect(ValueX, StadiumRowY, LinkWidth, RowHeight), QFrame::Sunken, leftAligned);
  CapacityStaticPanel = AddPanel(new QLabel(this), "CapacityStaticPanel",
                                 QRect(HeadingX, CapacityRowY, HeadingWidth, RowHeight), QFrame::Raised, centred);
  CapacityPanel = AddPanel(new QLabel(this), "CapacityPanel",
                           QRect(ValueX, CapacityRowY, CapacityWidth, RowHeight), QFrame::Sunken, leftAligned);
  connect(CityWebSitePanel, &TLinkPanel::clicked, this, &TStadiumForm::CityWebSitePanelClick);
  connect(StadiumWebSitePanel, &TLinkPanel::clicked, this, &TStadiumForm::StadiumWebSitePanelClick);

  // The twenty pictures lie at one place; only the shown venue's is visible.
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(PicturePanelRect);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  for (int i = 0; i < StadiumCount; ++i) {
    const TStadium &stadium = StadiumAt(i);
    auto *image = new QLabel(Panel1);
    image->setObjectName(QLatin1String(stadium.image));
    image->setGeometry(PictureRect);
    image->setAlignment(Qt::AlignCenter);   // a larger picture shows its centre
    image->setPixmap(QPixmap(StadiumPicturePath(stadium)));
    image->hide();
    Images.push_back(image);
  }

  const auto addArrow = [this](const char *name, Qt::ArrowType arrow, const QRect &place,
                               void (TStadiumForm::*step)()) {
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(ArrowGlyph(arrow, palette().color(QPalette::ButtonText)));
    button->setIconSize(ArrowGlyphSize);
    button->setGeometry(place);
    connect(button, &QToolButton::clicked, this, step);
    return button;
  };
  LeftButton = addArrow("LeftButton", Qt::LeftArrow, LeftButtonRect, &TStadiumForm::LeftButtonClick);
  RightButton = addArrow("RightButton", Qt::RightArrow, RightButtonRect, &TStadiumForm::RightButtonClick);

  CloseButton = new QPushButton(this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  CloseButton->setGeometry(CloseButtonRect);
  CloseButton->setDefault(true);
  connect(CloseButton, &QPushButton::clicked, this, &TStadiumForm::CloseButtonClick);
}

void TStadiumForm::ShowVenue(int code)
{
  const TStadium *stadium = StadiumByCode(code);
  if (stadium)
    StadiumTag = code;
  StadiumNamePanel->setText(
      stadium ? QLatin1String(stadium->stadiumName) + HostCountryNameIn(Language, StadiumHost(*stadium)) : QString());
  CityWebSitePanel->setText(stadium ? QLatin1String(stadium->cityLink) : QString());
  StadiumWebSitePanel->setText(stadium ? QLatin1String(stadium->stadiumLink) : QString());
  CapacityPanel->setText(stadium ? QLatin1String(stadium->capacity) : QString());
  SetNextStadiumImage(stadium ? QLatin1String(stadium->image) : QString());
  CityWebSitePanel->setToolTip(CityWebSitePanel->text());
  StadiumWebSitePanel->setToolTip(StadiumWebSitePanel->text());
}

void TStadiumForm::SetCaptions()
{
  CityWebSiteStaticPanel->setText(TextIn(Language, TText::CityWebSiteStaticPanel));
  StadiumWebSiteStaticPanel->setText(TextIn(Language, TText::StadiumWebSiteStaticPanel));
  CapacityStaticPanel->setText(TextIn(Language, TText::CapacityStaticPanel));
  CloseButton->setText(TextIn(Language, TText::StadiumCloseButton));
  setWindowTitle(TextIn(Language, TText::CaptionPrefix) + TextIn(Language, TText::StadiumsCaption));
}

void TStadiumForm::SetNextStadiumImage(const QString &name)
{
  for (QLabel *image : Images)
    image->setVisible(!name.isEmpty() && image->objectName() == name);
}

void TStadiumForm::RightButtonClick() { ShowVenue(StepStadiumCode(StadiumTag, +1)); }

void TStadiumForm::LeftButtonClick() { ShowVenue(StepStadiumCode(StadiumTag, -1)); }

void TStadiumForm::CityWebSitePanelClick() { OpenLinkOf(CityWebSitePanel); }

void TStadiumForm::StadiumWebSitePanelClick() { OpenLinkOf(StadiumWebSitePanel); }

void TStadiumForm::OpenLinkOf(const QLabel *panel)
{
  if (!panel->text().isEmpty() && OpenLink)
    OpenLink(panel->text());
}

void TStadiumForm::CloseButtonClick() { close(); }

void TStadiumForm::showEvent(QShowEvent *event)
{
  CentreOnScreen(this);
  QDialog::showEvent(event);
}
