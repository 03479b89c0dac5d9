#include "settings/optionsForm.h"

TOptionsForm::TOptionsForm(QWidget *owner) : QDialog(owner)
{
  setObjectName(QStringLiteral("OptionsForm"));
}

void TOptionsForm::showEvent(QShowEvent *event) { QDialog::showEvent(event); }
void TOptionsForm::FormShow() {}
void TOptionsForm::LangCBChange() {}
void TOptionsForm::FavCBChange() {}
void TOptionsForm::OKButtonClick() {}
void TOptionsForm::CancelButtonClick() {}
