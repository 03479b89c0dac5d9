#include "app/aboutForm.h"

#include "i18n/texts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget *owner) : QDialog(owner)
{
  setObjectName(QStringLiteral("AboutForm"));
  const QString caption = Text(TText::AboutCaption);
  setWindowTitle(caption.isEmpty() ? TextIn(0, TText::AboutCaption) : caption);

  auto *layout = new QVBoxLayout(this);
  auto *name = new QLabel(QStringLiteral("Brakka"), this);
  name->setObjectName(QStringLiteral("ProgramLbl"));
  QFont big = name->font();
  big.setPixelSize(24);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  layout->addWidget(name);

  auto *about = new QLabel(QStringLiteral("Korea/Japan\n\n"
                                         "Every group table, tie-break and knockout slot,\n"
                                         "from the first group match to the champion."),
                           this);
  about->setAlignment(Qt::AlignCenter);
  layout->addWidget(about);

  const QString thanksText = Text(TText::ThanksLbl);
  auto *thanks = new QLabel(thanksText.isEmpty() ? TextIn(0, TText::ThanksLbl) : thanksText, this);
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
