#include "app/aboutForm.h"
#include "desktop/platform.h"
#include "desktop/windowPlacement.h"

#include "core/i18n/texts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

TAboutForm::TAboutForm(QWidget *owner, int language) : QDialog(owner, FixedDialogFlags(true))
{
  setObjectName(QStringLiteral("AboutForm"));
  auto text = [language](TText id) { return TextIn(language, id); };
  setWindowTitle(text(TText::AboutCaption));

  auto *layout = new QVBoxLayout(this);
  auto *name = new QLabel(QStringLiteral("Brakka"), this);
  name->setObjectName(QStringLiteral("ProgramLbl"));
  QFont big = name->font();
  big.setPixelSize(24);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  layout->addWidget(name);

  auto *about = new QLabel(text(TText::AboutDescription), this);
  about->setObjectName(QStringLiteral("DescriptionLbl"));
  about->setAlignment(Qt::AlignCenter);
  layout->addWidget(about);

  auto *thanks = new QLabel(text(TText::ThanksLbl), this);
  thanks->setObjectName(QStringLiteral("ThanksLbl"));
  thanks->setAlignment(Qt::AlignCenter);
  layout->addWidget(thanks);

  auto *ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  layout->setContentsMargins(24, 16, 24, 16);
  layout->setSpacing(10);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAbout(QWidget *parent, int language, TDialogs &dialogs)
{
  // Each opening builds a new about box, released once it is closed.
  const auto about = std::make_unique<TAboutForm>(parent, language);
  dialogs.showModal(about.get());
}
