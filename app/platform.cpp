// The real desktop's seams, as the program starts with them.

#include "desktop/platform.h"

#include "knockout/sound.h"
#include "report/printing.h"
#include "core/schedule/regional.h"
#include "venues/browser.h"

TPlatform TPlatform::desktop()
{
  TPlatform p;
  p.dialogs = std::make_shared<TQtDialogs>();
  p.sound = DesktopSoundOutput();
  p.browser = DesktopBrowserLauncher();
  p.regional = DesktopRegionalFormats();
  p.printing = DesktopPrinting();
  return p;
}
