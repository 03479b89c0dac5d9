// The champion's celebration window and its sound.

#include "knockout/celebration.h"

#include "desktop/platform.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "knockout/sound.h"
#include "knockout/winnerForm.h"

#include <QLabel>
#include <memory>

namespace {

// The two celebrations: for a champion other than the favourite, and for
// the favourite.
struct TCelebration {
  int width, height;
  QPoint congratulations, winner;
  bool favourite;          // the shout and the large trophy, else the boo and the small one
  const char *soundFile;   // beside the program, or where it is installed
};

constexpr TCelebration Celebrations[2] = {
  {240, 320, {16, 224}, {18, 264}, false, "Boo.wav"},
  {462, 540, {232, 244}, {234, 284}, true, "Cheers.wav"},
};

}  // namespace

void Celebrate(QWidget *parent, const QString &champion, const QString &favouriteName, int language,
               TSoundOutput *sound, TDialogs &dialogs, const std::function<void()> &beforeShowing)
{
  if (champion == Placeholder)
    return;
  const bool favourite = !favouriteName.isEmpty() && champion == favouriteName;
  const TCelebration &c = Celebrations[favourite ? 1 : 0];

  auto form = std::make_unique<TWinnerForm>(parent);
  form->setWindowTitle(champion + QStringLiteral("!!!!"));
  form->WinnerLbl->setText(ChampionCapitals(champion) + QStringLiteral("!!!"));
  form->CongratulationsLbl->setText(TextIn(language, TText::CongratulationsLbl));
  form->setFixedSize(c.width, c.height);
  form->CongratulationsLbl->move(c.congratulations);
  form->WinnerLbl->move(c.winner);
  form->BooLbl->setHidden(c.favourite);
  form->YeehaLbl->setHidden(!c.favourite);
  form->FavoriteTrophyImage->setHidden(!c.favourite);
  form->TrophyImage->setHidden(c.favourite);

  // Without an output device the window is shown in silence.
  const bool withSound = sound && sound->deviceCount() != 0;
  if (withSound) {
    QString error;
    const QString path = FindSoundFile(QLatin1String(c.soundFile));
    if (!sound->open(path, &error)) {
      dialogs.message(parent, TMsgIcon::Error, error, QMessageBox::Ok);
      return;
    }
    sound->play();
  }

  if (beforeShowing)
    beforeShowing();
  dialogs.showModal(form.get());

  // The sound is cut off with the window.
  if (withSound) {
    sound->stop();
    sound->close();
  }
}
