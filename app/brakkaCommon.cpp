#include "app/brakkaCommon.h"


#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <cmath>

bool KeyPassesFilter(int key, Qt::KeyboardModifiers modifiers, const QString &text,
                     int textLength, int selectedLength, bool twoCharLimit)
{
  const Qt::KeyboardModifiers mods = modifiers & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
  const bool command = mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);

  if (key == Qt::Key_Backspace)
    return !command;
  if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
    if (command)
      return false;
    return !twoCharLimit || textLength - selectedLength + 1 <= 2;
  }
  switch (key) {
  case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
  case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
    return !(mods & (Qt::AltModifier | Qt::MetaModifier));
  case Qt::Key_Delete:
    return mods == Qt::NoModifier;   // Shift+Delete would cut
  case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Escape:
  case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta:
    return true;
  default:
    break;
  }
  return key >= Qt::Key_F1 && key <= Qt::Key_F35;
}

bool OwnEnabled(const QWidget *w) { return !w->testAttribute(Qt::WA_Disabled); }

void SetBold(QLabel *label, bool bold)
{
  QFont f = label->font();
  if (f.bold() == bold)
    return;
  f.setBold(bold);
  label->setFont(f);
}

bool IsBold(const QLabel *label) { return label->font().bold(); }

namespace {

double RelativeLuminance(const QColor &c)
{
  auto linear = [](float v) {
    return v <= 0.04045f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = c.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
         0.0722 * linear(rgb.blueF());
}

constexpr double ReadableContrast = 4.5;
// The palest shade of a hue (HSL lightness out of 255) that still reads as
// that hue rather than as white.
constexpr int PalestLightness = 230;

const char *const HueProperty = "brakkaTeamHue";

void applyHue(QWidget *control, TTeamHue hue)
{
  const QColor background = control->palette().color(QPalette::Active, control->backgroundRole());
  // A cascade recolours many names on one background: search once.
  struct TLastShade {
    QRgb background;
    QColor shade;
  };
  static TLastShade last[3];
  TLastShade &memo = last[int(hue)];
  if (!memo.shade.isValid() || memo.background != background.rgba())
    memo = {background.rgba(), TeamHueColour(hue, background)};
  const QColor shade = memo.shade;
  const QPalette::ColorRole role = control->foregroundRole();
  if (control->testAttribute(Qt::WA_SetPalette) &&
      control->palette().color(QPalette::Active, role) == shade &&
      control->palette().color(QPalette::Inactive, role) == shade)
    return;
  QPalette p;
  p.setColor(QPalette::Active, role, shade);
  p.setColor(QPalette::Inactive, role, shade);
  control->setPalette(p);
}

// Re-picks the shade of a coloured team name when its background changes
// (a new application palette, or one set on the window).
class THueKeeper : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override
  {
    if (event->type() == QEvent::PaletteChange) {
      auto *control = static_cast<QWidget *>(watched);
      const auto hue = static_cast<TTeamHue>(control->property(HueProperty).toInt());
      if (hue != TTeamHue::Default)
        applyHue(control, hue);
    }
    return false;
  }
};

}  // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TeamHueColour(TTeamHue hue, const QColor &background)
{
  const QColor pure = hue == TTeamHue::Pressed ? QColor(255, 0, 0) : QColor(0, 0, 255);
  if (background.lightnessF() >= 0.5 || ContrastRatio(pure, background) >= ReadableContrast)
    return pure;
  // Lightening keeps hue and saturation and raises the luminance steadily:
  // search for the least lightness that reads.
  const int h = pure.hslHue();
  const int s = pure.hslSaturation();
  auto shade = [h, s](int lightness) { return QColor::fromHsl(h, s, lightness).toRgb(); };
  int dark = pure.lightness();
  int light = PalestLightness;
  if (ContrastRatio(shade(light), background) < ReadableContrast)
    return shade(light);
  while (light - dark > 1) {
    const int mid = (dark + light) / 2;
    if (ContrastRatio(shade(mid), background) >= ReadableContrast)
      light = mid;
    else
      dark = mid;
  }
  return shade(light);
}

void ShowTeamHue(QWidget *control, TTeamHue hue)
{
  static THueKeeper *keeper = nullptr;
  if (!control->property(HueProperty).isValid()) {
    if (!keeper)
      keeper = new THueKeeper(qApp);
    control->installEventFilter(keeper);
  }
  control->setProperty(HueProperty, int(hue));
  if (hue == TTeamHue::Default)
    control->setPalette(QPalette());
  else
    applyHue(control, hue);
}
